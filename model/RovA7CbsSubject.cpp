#include "RovA7CbsSubject.h"

namespace {
constexpr unsigned int StateWordIndex = 0x48EA;
}

RovA7CbsSubject::RovA7CbsSubject(MpdoSubject* mpdo)
    : CbsSubject(nullptr)
    , MpdoObserver(mpdo)
{
}

RovA7CbsSubject::~RovA7CbsSubject() = default;

void RovA7CbsSubject::attach(Observer* o)
{
    Subject::attach(o);
    if (getNumberOfAttachedObservers() == 1)
        subscribe(StateWordIndex, 0);
}

void RovA7CbsSubject::detach(Observer* o)
{
    Subject::detach(o);
    if (getNumberOfAttachedObservers() == 0)
        unsubscribe(StateWordIndex, 0);
}

bool RovA7CbsSubject::isCbsActive()
{
    return cbsActive;
}

void RovA7CbsSubject::newValue(unsigned int, unsigned char, unsigned int value)
{
    cbsActive = (value >> 26) & 1u;
    notify();
}
