#include "model/RovA7BlockedFunctionSubject.h"

namespace {
// Bit n of the entry blocks bitToFunction[n]; the controller swaps the pairs
// at bits 2/3 and 12/13 against the function order.
constexpr functionID_t bitToFunction[NumberOfFunctions] = {
    FUNCTION_JOINT1_UP,     FUNCTION_JOINT1_DOWN,     FUNCTION_JOINT2_DOWN,   FUNCTION_JOINT2_UP,
    FUNCTION_JOINT3_UP,     FUNCTION_JOINT3_DOWN,     FUNCTION_JOINT4_EXPAND, FUNCTION_JOINT4_COMPRESS,
    FUNCTION_JOINT5_UP,     FUNCTION_JOINT5_DOWN,     FUNCTION_JOINT6_EXPAND, FUNCTION_JOINT6_COMPRESS,
    FUNCTION_WINCH_2,       FUNCTION_WINCH_1,         FUNCTION_EXTRA_1,       FUNCTION_EXTRA_2,
    FUNCTION_EXTRA_3,       FUNCTION_EXTRA_4,
};
} // namespace

RovA7BlockedFunctionSubject::RovA7BlockedFunctionSubject(MpdoSubject* mpdo, HdlSubject* hdl)
    : MpdoObserver(mpdo)
    , HdlObserver(hdl)
{
}

void RovA7BlockedFunctionSubject::attach(Observer* o)
{
    // Reports the current HDL state at once; attaching twice is harmless.
    HdlObserver::attach();
    const int before = getNumberOfAttachedObservers();
    Subject::attach(o);
    if (before == 0 && getNumberOfAttachedObservers() == 1)
        subscribe(EntryIndex, EntrySubIndex);
}

void RovA7BlockedFunctionSubject::detach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::detach(o);
    // The HDL level is followed for as long as anyone observes the blocks;
    // otherwise the remaining observers would miss an HDL block.
    if (before > 0 && getNumberOfAttachedObservers() == 0) {
        HdlObserver::detach();
        unsubscribe(EntryIndex, EntrySubIndex);
    }
}

void RovA7BlockedFunctionSubject::newValue(unsigned int, unsigned char, unsigned int value)
{
    for (int bit = 0; bit < NumberOfFunctions; ++bit)
        blockedFunctions[bitToFunction[bit]].controller = (value & (1u << bit)) != 0;
    notify();
}

bool RovA7BlockedFunctionSubject::isFunctionBlocked(functionID_t id)
{
    if (!isValidFunction(id))
        return false;
    const blockFlags_t& f = blockedFunctions[static_cast<size_t>(id)];
    return f.hdl || f.controller;
}

void RovA7BlockedFunctionSubject::hdlChanged(unsigned int level, bool valid)
{
    const bool blocked = level == 0 && valid;
    for (blockFlags_t& f : blockedFunctions)
        f.hdl = blocked;
    notify();
}
