#pragma once

#include "core/Observer.h"

class RclBuzzerSubject;

// Adapter of the controller's buzzer request; used by the buzzer handler.
class RclBuzzerObserver : public Observer {
public:
    explicit RclBuzzerObserver(RclBuzzerSubject* s);
    virtual ~RclBuzzerObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void rclBuzzerStateChanged(bool on, unsigned int timeMs);

protected:
    bool buzzerOn = false;
    unsigned int buzzerTimeMs = 0;
};
