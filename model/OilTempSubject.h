#pragma once

#include "core/SettingsObserver.h"
#include "core/Subject.h"

// Hydraulic oil temperature in degrees Celsius, together with the operator's
// temperature unit (followed through the settings store) for its text.
class OilTempSubject : public Subject, public SettingsObserver {
public:
    explicit OilTempSubject(SettingsSubject* settings);

    // The observer-list operations; SettingsObserver's are reached qualified.
    using Subject::attach;
    using Subject::detach;

    virtual float getOilTemp() = 0;
    virtual bool isOilTempValid() = 0;
    void tempratureUnittypeChanged(unit_t unit) override;

    unit_t getTempratureUnit() const { return temperatureUnit; }

protected:
    unit_t temperatureUnit = UNIT_CELSIUS;
};
