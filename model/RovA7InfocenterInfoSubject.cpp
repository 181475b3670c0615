#include "RovA7InfocenterInfoSubject.h"

namespace {
constexpr unsigned int InfocenterIndex = 0x48EC;
}

RovA7InfocenterInfoSubject::RovA7InfocenterInfoSubject(MpdoSubject* mpdo)
    : MpdoObserver(mpdo)
    , InfocenterInfoSubject(nullptr)
{
}

RovA7InfocenterInfoSubject::~RovA7InfocenterInfoSubject() = default;

void RovA7InfocenterInfoSubject::attach(Observer* o)
{
    Subject::attach(o);
    if (getNumberOfAttachedObservers() == 1)
        subscribe(InfocenterIndex, 0);
}

void RovA7InfocenterInfoSubject::detach(Observer* o)
{
    Subject::detach(o);
    if (getNumberOfAttachedObservers() == 0) {
        unsubscribe(InfocenterIndex, 0);
        topIconId = 0;
        bottomIconId = 0;
    }
}

unsigned int RovA7InfocenterInfoSubject::getTopDisplayIconId()
{
    return topIconId;
}

unsigned int RovA7InfocenterInfoSubject::getBotDisplayIconId()
{
    return bottomIconId;
}

void RovA7InfocenterInfoSubject::newValue(unsigned int, unsigned char, unsigned int value)
{
    topIconId = value & 0xFF;
    bottomIconId = (value >> 8) & 0xFF;
    notify();
}
