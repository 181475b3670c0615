#include "model/RovA7StabIndicationSubject.h"

namespace {
const stab_t mainBits[] = {STAB_LEFT_SIDE_DOWN, STAB_LEFT_SIDE_OUT, STAB_RIGHT_SIDE_DOWN,
                           STAB_RIGHT_SIDE_OUT, STAB_PAS_DOWN};
const stab_t extraBits[] = {STAB_LEFT_BACK_DOWN, STAB_LEFT_BACK_OUT, STAB_RIGHT_BACK_DOWN,
                            STAB_RIGHT_BACK_OUT};
} // namespace

RovA7StabIndicationSubject::RovA7StabIndicationSubject(MpdoSubject* mpdo)
    : MpdoObserver(mpdo)
    , StabIndicationSubject()
{
    subscribe(EnabledMainIndex, 0);
    subscribe(EnabledExtraIndex, 0);
}

void RovA7StabIndicationSubject::attach(Observer* o)
{
    Subject::attach(o);
    if (getNumberOfAttachedObservers() == 1)
        subscribe(IndicationIndex, 0);
}

void RovA7StabIndicationSubject::detach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::detach(o);
    if (before > 0 && getNumberOfAttachedObservers() == 0)
        unsubscribe(IndicationIndex, 0);
}

void RovA7StabIndicationSubject::readEnabledOnce(unsigned int index, unsigned int value,
                                                 const stab_t* bits, int count, bool& done)
{
    // Every frame re-delivers all entries that have a value; the fitted
    // stabilisers do not change during a run, so only the first value counts.
    if (done)
        return;
    done = true;
    for (int bit = 0; bit < count; ++bit)
        enabled[bits[bit]] = (value >> bit) & 1u;
    unsubscribe(index, 0);
    notify();
}

void RovA7StabIndicationSubject::newValue(unsigned int index, unsigned char subIndex, unsigned int value)
{
    if (subIndex != 0)
        return;
    switch (index) {
    case EnabledMainIndex:
        readEnabledOnce(index, value, mainBits, int(sizeof mainBits / sizeof mainBits[0]), mainRead);
        break;
    case EnabledExtraIndex:
        readEnabledOnce(index, value, extraBits, int(sizeof extraBits / sizeof extraBits[0]), extraRead);
        break;
    case IndicationIndex:
        // Bit n reports stab_t n + 1; the front stabiliser has no bit.
        for (int bit = 0; bit < NumberOfStabs - 1; ++bit)
            indication[bit + 1] = (value >> bit) & 1u;
        notify();
        break;
    default:
        break;
    }
}

bool RovA7StabIndicationSubject::isStabIndicatorEnabled(stab_t stab)
{
    return isValidStab(stab) && enabled[stab];
}

bool RovA7StabIndicationSubject::getStabIndication(stab_t stab)
{
    return isValidStab(stab) && indication[stab];
}

bool RovA7StabIndicationSubject::isExtraStabEnabled()
{
    // The left back down stabiliser alone does not count as an extra set.
    return enabled[STAB_LEFT_BACK_OUT] || enabled[STAB_RIGHT_BACK_DOWN] || enabled[STAB_RIGHT_BACK_OUT];
}
