#pragma once

#include "core/SettingsObserver.h"
#include "core/Subject.h"

// Vehicle-stability system (EVS): tilt in percent and degrees and the
// calibration level. Holds the operator's EVS display unit, which it follows
// through the settings store, so its observers can build their texts.
class EvsSubject : public Subject, public SettingsObserver {
public:
    explicit EvsSubject(SettingsSubject* settings);

    virtual float getEvsXpct() = 0;
    virtual float getEvsYpct() = 0;
    virtual float getEvsXdegress() = 0;
    virtual float getEvsYdegress() = 0;
    virtual float getEvsCalibrationLevel() = 0;
    virtual bool isEvsValid() = 0;

    void evsUnittypeChanged(unit_t unit) override;

    unit_t getEvsUnitType() const { return evsUnitType; }

private:
    unit_t evsUnitType = UNIT_PERCENT;
};
