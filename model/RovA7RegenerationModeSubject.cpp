#include "model/RovA7RegenerationModeSubject.h"

RovA7RegenerationModeSubject::RovA7RegenerationModeSubject(MpdoSubject* mpdo)
    : MpdoObserver(mpdo)
{
}

void RovA7RegenerationModeSubject::attach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::attach(o);
    if (before == 0 && getNumberOfAttachedObservers() == 1)
        subscribe(EntryIndex, 0);
}

void RovA7RegenerationModeSubject::detach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::detach(o);
    if (before > 0 && getNumberOfAttachedObservers() == 0)
        unsubscribe(EntryIndex, 0);
}

void RovA7RegenerationModeSubject::newValue(unsigned int, unsigned char, unsigned int value)
{
    mode = value;
    notify();
}
