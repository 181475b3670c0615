#include "model/EvsSubject.h"

EvsSubject::EvsSubject(SettingsSubject* settings)
    : Subject(nullptr)
    , SettingsObserver(settings)
{
    if (settings)
        evsUnitType = settings->getEvsUnitType();
}

void EvsSubject::evsUnittypeChanged(unit_t unit)
{
    evsUnitType = unit;
    notify();
}
