#include "model/RclMxEptoSubject.h"

RclMxEptoSubject::RclMxEptoSubject(MpdoSubject* mpdo)
    : MpdoObserver(mpdo)
{
}

void RclMxEptoSubject::attach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::attach(o);
    if (before == 0 && getNumberOfAttachedObservers() == 1)
        subscribe(EntryIndex, 0);
}

void RclMxEptoSubject::detach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::detach(o);
    if (before > 0 && getNumberOfAttachedObservers() == 0)
        unsubscribe(EntryIndex, 0);
}

void RclMxEptoSubject::newValue(unsigned int, unsigned char, unsigned int value)
{
    batteryLevel = value & 0xFFu;
    available = (value & (1u << 8)) != 0;
    charging = (value & (1u << 9)) != 0;
    active = (value & (1u << 10)) != 0;
    errorActive = (value & (1u << 11)) != 0;
    stopPressed = (value & (1u << 12)) != 0;
    tooHot = (value & (1u << 13)) != 0;
    notify();
}
