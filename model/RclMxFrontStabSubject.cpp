#include "model/RclMxFrontStabSubject.h"

#include "model/StabilityDecoding.h"

#include <QSettings>

namespace {
const char* const availableKey = "FrontStab/Available";
}

RclMxFrontStabSubject::RclMxFrontStabSubject(MpdoSubject* mpdo, QSettings* s)
    : FrontStabSubject()
    , MpdoObserver(mpdo)
    , settings(s)
{
    if (settings)
        available = settings->value(QString::fromLatin1(availableKey), false).toBool();
}

void RclMxFrontStabSubject::attach(Observer* o)
{
    Subject::attach(o);
    if (getNumberOfAttachedObservers() == 1) {
        subscribe(AvailableIndex, 0);
        subscribe(LoadIndex, 0);
    }
}

void RclMxFrontStabSubject::detach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::detach(o);
    if (before > 0 && getNumberOfAttachedObservers() == 0) {
        unsubscribe(AvailableIndex, 0);
        unsubscribe(LoadIndex, 0);
        // Without the subscription the load would silently go stale.
        loadValid = false;
        load = 0;
    }
}

void RclMxFrontStabSubject::newValue(unsigned int index, unsigned char subIndex, unsigned int value)
{
    if (subIndex != 0)
        return;
    if (index == AvailableIndex) {
        const bool now = value != 0;
        if (now != available) {
            available = now;
            if (settings)
                settings->setValue(QString::fromLatin1(availableKey), available);
        }
        if (!available) {
            loadValid = false;
            load = 0;
        }
        notify();
    } else if (index == LoadIndex) {
        // Every frame re-delivers both entries (availability first), so a load
        // is only taken while the stabiliser is reported present; otherwise the
        // stored load would come back to life right after a value of 0.
        if (available) {
            load = StabilityDecoding::bitsToFloat(value);
            loadValid = true;
        }
        notify();
    }
}

unsigned int RclMxFrontStabSubject::getFronStabLoad()
{
    return loadValid ? StabilityDecoding::truncateToUnsigned(load) : 0;
}
