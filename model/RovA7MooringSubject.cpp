#include "RovA7MooringSubject.h"

namespace {
constexpr unsigned int MooringIndex = 0x5FBE;
}

RovA7MooringSubject::RovA7MooringSubject(MpdoSubject* mpdo)
    : MooringSubject(nullptr)
    , MpdoObserver(mpdo)
{
}

RovA7MooringSubject::~RovA7MooringSubject() = default;

void RovA7MooringSubject::attach(Observer* o)
{
    Subject::attach(o);
    if (getNumberOfAttachedObservers() == 1)
        subscribe(MooringIndex, 0);
}

void RovA7MooringSubject::detach(Observer* o)
{
    Subject::detach(o);
    if (getNumberOfAttachedObservers() == 0)
        unsubscribe(MooringIndex, 0);
}

MooringSubject::mooringState_t RovA7MooringSubject::getMooringState()
{
    return state;
}

void RovA7MooringSubject::newValue(unsigned int, unsigned char, unsigned int value)
{
    if (value > MOORING_LOCKED)
        return;
    state = static_cast<mooringState_t>(value);
    notify();
}
