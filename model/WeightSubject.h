#pragma once

#include "core/SettingsObserver.h"
#include "core/Subject.h"

#include <QString>

// A weight measured by the crane (hook or winch), in kilograms, together with
// the operator's weight unit (followed through the settings store) for its text.
class WeightSubject : public Subject, public SettingsObserver {
public:
    explicit WeightSubject(SettingsSubject* settings);

    // The observer-list operations; SettingsObserver's are reached qualified.
    using Subject::attach;
    using Subject::detach;

    virtual float getWeightKg() = 0;
    virtual bool isWeightValid() = 0;
    void weightUnittypeChanged(unit_t unit) override;

    unit_t getWeightUnit() const { return weightUnitType; }

    // Display text of a weight: "-" when not valid, else whole pounds with
    // "lb" for the pound unit and whole kilograms with "kg" otherwise.
    static QString weightText(float kg, bool valid, unit_t unit);
    // The weight as a whole number of kilograms, truncated; never negative.
    static unsigned int wholeKg(float kg);

protected:
    unit_t weightUnitType = UNIT_KG;
};
