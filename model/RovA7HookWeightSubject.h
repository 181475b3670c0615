#pragma once

#include "model/RovA7WeightSubject.h"

// Hook weight from the controller's entry 0x2148.
class RovA7HookWeightSubject : public RovA7WeightSubject {
public:
    static constexpr unsigned int EntryIndex = 0x2148;

    RovA7HookWeightSubject(SettingsSubject* settings, MpdoSubject* mpdo);
};
