#pragma once

#include "can/MpdoObserver.h"
#include "model/RclBuzzerSubject.h"

// Buzzer request decoded from bits 16-23 of the controller's error word.
// Subscribed only while someone observes it.
class RovA7BuzzerSubject : public RclBuzzerSubject, public MpdoObserver {
public:
    explicit RovA7BuzzerSubject(MpdoSubject* mpdo);
    ~RovA7BuzzerSubject() override;

    using MpdoObserver::attach;
    using MpdoObserver::detach;
    void attach(Observer* o) override;
    void detach(Observer* o) override;

    bool getBuzzerState() override;
    unsigned int getBuzzerTimeMs() override;

    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;

private:
    bool buzzerOn = false;
    unsigned int buzzerTimeMs = 0;
};
