#include "RovA7ModeSubject.h"

namespace {
constexpr unsigned int StateWordIndex = 0x48EA;
}

RovA7ModeSubject::RovA7ModeSubject(MpdoSubject* mpdo)
    : RclModeSubject(nullptr)
    , MpdoObserver(mpdo)
{
}

RovA7ModeSubject::~RovA7ModeSubject() = default;

void RovA7ModeSubject::attach(Observer* o)
{
    Subject::attach(o);
    if (getNumberOfAttachedObservers() == 1)
        subscribe(StateWordIndex, 0);
}

void RovA7ModeSubject::detach(Observer* o)
{
    Subject::detach(o);
    if (getNumberOfAttachedObservers() == 0)
        unsubscribe(StateWordIndex, 0);
}

RclModeSubject::mode_t RovA7ModeSubject::getRclMode()
{
    return mode;
}

void RovA7ModeSubject::newValue(unsigned int, unsigned char, unsigned int value)
{
    // Several mode bits may be set at once; sleep outranks stop, stop
    // outranks stabiliser work, and that outranks crane work.
    const unsigned int bits = value & 0xFFFF;
    if (bits & 0x0001)
        mode = MODE_SLEEP;
    else if (bits & 0x0100)
        mode = MODE_STOP;
    else if (bits & 0x0002)
        mode = MODE_STAB;
    else if (bits & 0x0064)
        mode = MODE_CRANE;
    else
        mode = MODE_NONE;
    notify();
}
