#pragma once

#include "can/MpdoObserver.h"
#include "model/EptoSubject.h"

class MpdoSubject;

// EPTO state from the controller's entry 0x5A23 (battery level in the low
// byte, flags above it), subscribed while it has observers.
class RclMxEptoSubject : public EptoSubject, public MpdoObserver {
public:
    static constexpr unsigned int EntryIndex = 0x5A23;

    explicit RclMxEptoSubject(MpdoSubject* mpdo);

    void attach(Observer* o) override;
    void detach(Observer* o) override;
    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;

    bool isEptoAvailable() override { return available; }
    bool isEptoCharging() override { return charging; }
    unsigned int getEptoBatteryLevel() override { return batteryLevel; }
    bool isEptoActive() override { return active; }
    bool isEptoTooHot() override { return tooHot; }
    bool isEptoErrorActive() override { return errorActive; }
    bool isEptoStopPressed() override { return stopPressed; }

private:
    unsigned int batteryLevel = 0;
    bool available = false;
    bool charging = false;
    bool active = false;
    bool errorActive = false;
    bool stopPressed = false;
    bool tooHot = false;
};
