#include "model/RovA7OilTempSubject.h"

#include "model/OilTempAvailableSubject.h"

#include <cmath>
#include <cstring>

RovA7OilTempSubject::RovA7OilTempSubject(MpdoSubject* mpdo, SettingsSubject* settings,
                                         OilTempAvailableSubject* available)
    : OilTempSubject(settings)
    , MpdoObserver(mpdo)
    , OilTempAvailableObserver(available)
{
    sensorAvailable = getOilTempAvailable();
}

void RovA7OilTempSubject::attach(Observer* o)
{
    // Reports the sensor flag at once (attaching twice is harmless).
    OilTempAvailableObserver::attach();
    Subject::attach(o);
    if (getNumberOfAttachedObservers() == 1 && sensorAvailable)
        subscribe(EntryIndex, 0);
}

void RovA7OilTempSubject::detach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::detach(o);
    // The sensor flag is followed for as long as anyone still observes the
    // temperature, so a late answer about the sensor is not missed.
    if (before > 0 && getNumberOfAttachedObservers() == 0) {
        OilTempAvailableObserver::detach();
        unsubscribe(EntryIndex, 0);
        valid = false;
    }
}

void RovA7OilTempSubject::oilTempAvailableChanged(bool available)
{
    sensorAvailable = available;
    if (available && getNumberOfAttachedObservers() > 0)
        subscribe(EntryIndex, 0);
    else
        unsubscribe(EntryIndex, 0);
}

void RovA7OilTempSubject::newValue(unsigned int, unsigned char, unsigned int value)
{
    float t = 0;
    static_assert(sizeof t == sizeof value, "the entry carries a 32-bit float");
    std::memcpy(&t, &value, sizeof t);
    // A NaN or infinity is no temperature; keep the last good one.
    if (!std::isfinite(t))
        return;
    temperature = t;
    valid = true;
    notify();
}
