#include "model/EptoObserver.h"

#include "model/EptoSubject.h"

EptoObserver::EptoObserver(EptoSubject* s)
    : Observer(s)
{
}

EptoObserver::~EptoObserver()
{
    detach();
}

void EptoObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    auto* s = dynamic_cast<EptoSubject*>(subject);
    if (!s)
        return;
    detected = s->isEptoAvailable();
    charging = s->isEptoCharging();
    active = s->isEptoActive();
    batteryLevel = s->getEptoBatteryLevel();
    error = s->isEptoErrorActive();
    tooHot = s->isEptoTooHot();
    stopPressed = s->isEptoStopPressed();
    eptoDetectedChanged(detected);
    eptoChargingChanged(charging);
    eptoActiveChanged(active);
    eptoBatteryLevelChanged(batteryLevel);
    eptoErrorChanged(error);
    eptoTooHotChanged(tooHot);
    eptoStopPressedChanged(stopPressed);
}

void EptoObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void EptoObserver::update()
{
    auto* s = subject ? dynamic_cast<EptoSubject*>(subject) : nullptr;
    if (!s)
        return;
    if (s->isEptoAvailable() != detected) {
        detected = !detected;
        eptoDetectedChanged(detected);
    }
    if (s->getEptoBatteryLevel() != batteryLevel) {
        batteryLevel = s->getEptoBatteryLevel();
        eptoBatteryLevelChanged(batteryLevel);
    }
    if (s->isEptoCharging() != charging) {
        charging = !charging;
        eptoChargingChanged(charging);
    }
    if (s->isEptoActive() != active) {
        active = !active;
        eptoActiveChanged(active);
    }
    if (s->isEptoErrorActive() != error) {
        error = !error;
        eptoErrorChanged(error);
    }
    if (s->isEptoTooHot() != tooHot) {
        tooHot = !tooHot;
        eptoTooHotChanged(tooHot);
    }
    if (s->isEptoStopPressed() != stopPressed) {
        stopPressed = !stopPressed;
        eptoStopPressedChanged(stopPressed);
    }
}

void EptoObserver::eptoDetectedChanged(bool) {}
void EptoObserver::eptoChargingChanged(bool) {}
void EptoObserver::eptoActiveChanged(bool) {}
void EptoObserver::eptoBatteryLevelChanged(unsigned int) {}
void EptoObserver::eptoErrorChanged(bool) {}
void EptoObserver::eptoTooHotChanged(bool) {}
void EptoObserver::eptoStopPressedChanged(bool) {}
