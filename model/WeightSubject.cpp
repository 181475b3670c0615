#include "model/WeightSubject.h"

#include "model/WholeNumberText.h"

#include <limits>

WeightSubject::WeightSubject(SettingsSubject* settings)
    : Subject(nullptr)
    , SettingsObserver(settings)
{
    if (settings)
        weightUnitType = settings->getWeightUnitType();
}

void WeightSubject::weightUnittypeChanged(unit_t unit)
{
    weightUnitType = unit;
    notify();
}

QString WeightSubject::weightText(float kg, bool valid, unit_t unit)
{
    if (!valid)
        return QStringLiteral("-");
    if (unit == UNIT_LB)
        return wholeNumberText(static_cast<double>(kg) * 2.20462262) + QLatin1String("lb");
    return wholeNumberText(kg) + QLatin1String("kg");
}

unsigned int WeightSubject::wholeKg(float kg)
{
    // Also false for NaN.
    if (!(kg > 0))
        return 0;
    const double max = std::numeric_limits<unsigned int>::max();
    if (static_cast<double>(kg) >= max)
        return std::numeric_limits<unsigned int>::max();
    return static_cast<unsigned int>(kg);
}
