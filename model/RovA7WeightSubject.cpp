#include "model/RovA7WeightSubject.h"

#include <cmath>
#include <cstring>

RovA7WeightSubject::RovA7WeightSubject(SettingsSubject* settings, MpdoSubject* mpdo, unsigned int entryIndex)
    : WeightSubject(settings)
    , MpdoObserver(mpdo)
    , entryIndex(entryIndex)
{
}

void RovA7WeightSubject::attach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::attach(o);
    if (before == 0 && getNumberOfAttachedObservers() == 1)
        subscribe(entryIndex, 0);
}

void RovA7WeightSubject::detach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::detach(o);
    if (before > 0 && getNumberOfAttachedObservers() == 0) {
        unsubscribe(entryIndex, 0);
        valid = false;
    }
}

float RovA7WeightSubject::roundTo50Kg(float kg)
{
    const float r = std::round(kg / 50.0f) * 50.0f;
    // No "-0kg" on the screen.
    return r == 0.0f ? 0.0f : r;
}

void RovA7WeightSubject::newValue(unsigned int, unsigned char, unsigned int value)
{
    float kg = 0;
    static_assert(sizeof kg == sizeof value, "the entry carries a 32-bit float");
    std::memcpy(&kg, &value, sizeof kg);
    // A NaN or infinity is no weight; keep the last good one.
    if (!std::isfinite(kg))
        return;
    weightKg = roundTo50Kg(kg);
    valid = true;
    notify();
}
