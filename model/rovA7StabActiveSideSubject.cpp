#include "model/rovA7StabActiveSideSubject.h"

#include <cstdint>

rovA7StabActiveSideSubject::rovA7StabActiveSideSubject(MpdoSubject* mpdo)
    : MpdoObserver(mpdo)
    , stabActiveSideSubject()
{
}

void rovA7StabActiveSideSubject::attach(Observer* o)
{
    Subject::attach(o);
    if (getNumberOfAttachedObservers() == 1)
        subscribe(ActiveSideIndex, 0);
}

void rovA7StabActiveSideSubject::detach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::detach(o);
    if (before > 0 && getNumberOfAttachedObservers() == 0)
        unsubscribe(ActiveSideIndex, 0);
}

void rovA7StabActiveSideSubject::newValue(unsigned int, unsigned char, unsigned int value)
{
    const int raw = static_cast<std::int8_t>(static_cast<std::uint8_t>(value & 0xFFu));
    if (raw == -1)
        side = STAB_SIDE_LEFT;
    else if (raw == 1)
        side = STAB_SIDE_RIGHT;
    else
        side = STAB_SIDE_NONE;
    notify();
}
