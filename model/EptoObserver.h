#pragma once

#include "core/Observer.h"

class EptoSubject;

// Adapter of EptoSubject: reports all seven values when attached, then each
// value that changed. Does not attach itself.
class EptoObserver : public Observer {
public:
    explicit EptoObserver(EptoSubject* s);
    virtual ~EptoObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void eptoDetectedChanged(bool detected);
    virtual void eptoChargingChanged(bool charging);
    virtual void eptoActiveChanged(bool active);
    virtual void eptoBatteryLevelChanged(unsigned int level);
    virtual void eptoErrorChanged(bool error);
    virtual void eptoTooHotChanged(bool tooHot);
    virtual void eptoStopPressedChanged(bool pressed);

private:
    unsigned int batteryLevel = 0;
    bool detected = false;
    bool charging = false;
    bool active = false;
    bool error = false;
    bool tooHot = false;
    bool stopPressed = false;
};
