#include "model/OilTempSubject.h"

OilTempSubject::OilTempSubject(SettingsSubject* settings)
    : Subject(nullptr)
    , SettingsObserver(settings)
{
    if (settings)
        temperatureUnit = settings->getTempUnitType();
}

void OilTempSubject::tempratureUnittypeChanged(unit_t unit)
{
    temperatureUnit = unit;
    notify();
}
