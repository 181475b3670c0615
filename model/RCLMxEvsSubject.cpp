#include "model/RCLMxEvsSubject.h"

#include "model/StabilityDecoding.h"

RCLMxEvsSubject::RCLMxEvsSubject(MpdoSubject* mpdo, SettingsSubject* settings, RclInfoSubject* info)
    : MpdoObserver(mpdo)
    , EvsSubject(settings)
    , RclInfoObserver(info)
{
}

void RCLMxEvsSubject::attach(Observer* o)
{
    Subject::attach(o);
    if (getNumberOfAttachedObservers() == 1) {
        subscribe(DegreesIndex, 0);
        subscribe(PercentIndex, 0);
        subscribe(CalibrationIndex, 0);
        subscribe(LegacyCalibrationIndex, 0);
        RclInfoObserver::attach();
    }
}

void RCLMxEvsSubject::detach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::detach(o);
    if (before > 0 && getNumberOfAttachedObservers() == 0) {
        unsubscribe(DegreesIndex, 0);
        unsubscribe(PercentIndex, 0);
        unsubscribe(CalibrationIndex, 0);
        unsubscribe(LegacyCalibrationIndex, 0);
        RclInfoObserver::detach();
        valid = false;
    }
}

int RCLMxEvsSubject::displayDriverVersion() const
{
    bool ok = false;
    const int version = getrclColorDisplayDriverVersionString().toInt(&ok);
    return ok ? version : -1;
}

void RCLMxEvsSubject::newValue(unsigned int index, unsigned char subIndex, unsigned int value)
{
    if (subIndex != 0)
        return;
    switch (index) {
    case DegreesIndex:
        xDegrees = StabilityDecoding::lowHalfHundredths(value);
        yDegrees = StabilityDecoding::highHalfHundredths(value);
        break;
    case PercentIndex:
        xPercent = static_cast<float>(StabilityDecoding::lowHalfSigned(value));
        yPercent = static_cast<float>(StabilityDecoding::highHalfSigned(value));
        break;
    case CalibrationIndex:
        // Both calibration entries are delivered on every frame; only the one
        // the controller's driver actually fills may be used.
        if (displayDriverVersion() > 2)
            calibrationLevel = static_cast<float>(value);
        break;
    case LegacyCalibrationIndex:
        if (displayDriverVersion() <= 2)
            calibrationLevel = static_cast<float>(value);
        break;
    default:
        return;
    }
    valid = true;
    notify();
}
