#include "model/FunctionStateSubject.h"

#include <algorithm>

namespace {
// Movements that each strength applies to (inclusive ranges).
constexpr int CraneFirst = FUNCTION_JOINT1_UP;
constexpr int CraneLast = FUNCTION_JOINT4_COMPRESS;
constexpr int FlyjibFirst = FUNCTION_JOINT5_UP;
constexpr int FlyjibLast = FUNCTION_JOINT6_COMPRESS;
constexpr int WinchFirst = FUNCTION_WINCH_1;
constexpr int WinchLast = FUNCTION_WINCH_2;

// Below this HDL level every movement is limited.
constexpr unsigned int HdlFreeLevel = 90;
constexpr float DeratedBelow = 90.0f;
} // namespace

FunctionStateSubject::FunctionStateSubject(BlockedFunctionSubject* blocked, HdlSubject* hdl,
                                           LoadsAndDerateSubject* loads)
    : Subject(nullptr)
    , BlockedFunctionObserver(blocked)
    , HdlObserver(hdl)
    , LoadsAndDerateObserver(loads)
{
    blockState.fill(FUNCTION_STATE_OK);
    hdlState.fill(FUNCTION_STATE_OK);
    strengthState.fill(FUNCTION_STATE_OK);
}

void FunctionStateSubject::attach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::attach(o);
    if (before != 0 || getNumberOfAttachedObservers() != 1)
        return;
    // Each reports at once, which fills all three tables.
    BlockedFunctionObserver::attach();
    HdlObserver::attach();
    LoadsAndDerateObserver::attach();
}

void FunctionStateSubject::detach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::detach(o);
    if (before == 0 || getNumberOfAttachedObservers() != 0)
        return;
    BlockedFunctionObserver::detach();
    HdlObserver::detach();
    LoadsAndDerateObserver::detach();
}

functionState_t FunctionStateSubject::strengthRating(float strength)
{
    if (strength == 0.0f)
        return FUNCTION_STATE_BLOCKED;
    if (strength < DeratedBelow)
        return FUNCTION_STATE_DERATED;
    return FUNCTION_STATE_OK;
}

void FunctionStateSubject::rateStrength(int first, int last, float strength)
{
    const functionState_t rating = strengthRating(strength);
    for (int i = first; i <= last; ++i)
        strengthState[static_cast<size_t>(i)] = rating;
    notify();
}

void FunctionStateSubject::craneStrengthChanged(float strength)
{
    rateStrength(CraneFirst, CraneLast, strength);
}

void FunctionStateSubject::flyjibStrengthChanged(float strength)
{
    rateStrength(FlyjibFirst, FlyjibLast, strength);
}

void FunctionStateSubject::winchStrengthChanged(float strength)
{
    rateStrength(WinchFirst, WinchLast, strength);
}

void FunctionStateSubject::blockedFunctionChanged(functionID_t id, bool blocked)
{
    if (!isValidFunction(id))
        return;
    blockState[static_cast<size_t>(id)] = blocked ? FUNCTION_STATE_BLOCKED : FUNCTION_STATE_OK;
    notify();
}

void FunctionStateSubject::hdlChanged(unsigned int level, bool valid)
{
    // An unknown level says nothing new; keep what was known.
    if (!valid)
        return;
    hdlState.fill(level < HdlFreeLevel ? FUNCTION_STATE_HDL : FUNCTION_STATE_OK);
    notify();
}

functionState_t FunctionStateSubject::getFunctionState(functionID_t id) const
{
    if (!isValidFunction(id))
        return FUNCTION_STATE_OK;
    const auto i = static_cast<size_t>(id);
    return std::max({blockState[i], hdlState[i], strengthState[i]});
}
