#pragma once

#include "model/RovA7WeightSubject.h"

// Winch weight from the controller's entry 0x4360.
class RovA7WinchWeightSubject : public RovA7WeightSubject {
public:
    static constexpr unsigned int EntryIndex = 0x4360;

    RovA7WinchWeightSubject(SettingsSubject* settings, MpdoSubject* mpdo);
};
