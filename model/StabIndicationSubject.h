#pragma once

#include "core/Subject.h"

// One value per stabiliser indicator.
enum stab_t {
    STAB_FRONT_DOWN = 0,
    STAB_LEFT_SIDE_DOWN = 1,
    STAB_LEFT_SIDE_OUT = 2,
    STAB_RIGHT_SIDE_DOWN = 3,
    STAB_RIGHT_SIDE_OUT = 4,
    STAB_LEFT_BACK_DOWN = 5,
    STAB_LEFT_BACK_OUT = 6,
    STAB_RIGHT_BACK_DOWN = 7,
    STAB_RIGHT_BACK_OUT = 8,
    STAB_PAS_DOWN = 9
};

// Which stabilisers the truck has (enabled) and which of them are set
// (indication). Read by the stabilise view, the overview and the LED handler.
class StabIndicationSubject : public Subject {
public:
    static constexpr int NumberOfStabs = 10;

    StabIndicationSubject()
        : Subject(nullptr)
    {
    }

    virtual bool isStabIndicatorEnabled(stab_t stab) = 0;
    virtual bool getStabIndication(stab_t stab) = 0;
    virtual bool stabErrorIndication() = 0;
    virtual bool isExtraStabEnabled() = 0;

    static bool isValidStab(int stab) { return stab >= 0 && stab < NumberOfStabs; }
};
