#include "model/RovA7HdlSubject.h"

RovA7HdlSubject::RovA7HdlSubject(MpdoSubject* mpdo)
    : MpdoObserver(mpdo)
{
}

void RovA7HdlSubject::attach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::attach(o);
    if (before == 0 && getNumberOfAttachedObservers() == 1)
        subscribe(EntryIndex, 0);
}

void RovA7HdlSubject::detach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::detach(o);
    if (before > 0 && getNumberOfAttachedObservers() == 0) {
        unsubscribe(EntryIndex, 0);
        level = 0;
        valid = false;
    }
}

void RovA7HdlSubject::newValue(unsigned int, unsigned char, unsigned int value)
{
    const unsigned int top = (value >> 24) & 0xFFu;
    level = top > 100 ? 100 : top;
    valid = true;
    notify();
}
