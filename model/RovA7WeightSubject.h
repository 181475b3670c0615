#pragma once

#include "can/MpdoObserver.h"
#include "model/WeightSubject.h"

class MpdoSubject;

// Common part of the hook and winch weights: one controller entry carrying an
// IEEE-754 float in kg, shown in steps of 50 kg; subscribed while observed.
class RovA7WeightSubject : public WeightSubject, public MpdoObserver {
public:
    RovA7WeightSubject(SettingsSubject* settings, MpdoSubject* mpdo, unsigned int entryIndex);

    void attach(Observer* o) override;
    void detach(Observer* o) override;
    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;

    float getWeightKg() override { return weightKg; }
    bool isWeightValid() override { return valid; }

    // kg rounded to the nearest multiple of 50, halves away from zero.
    static float roundTo50Kg(float kg);

private:
    const unsigned int entryIndex;
    float weightKg = 0;
    bool valid = false;
};
