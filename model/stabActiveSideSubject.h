#pragma once

#include "core/Subject.h"

// The stabiliser side the operator is setting up.
enum activeStabSide_t {
    STAB_SIDE_LEFT = 0,
    STAB_SIDE_RIGHT = 1,
    STAB_SIDE_NONE = 2
};

// Which side of the truck is being stabilised; drives the blinking of the
// stabiliser LEDs and the stabilise view.
class stabActiveSideSubject : public Subject {
public:
    stabActiveSideSubject()
        : Subject(nullptr)
    {
    }

    virtual activeStabSide_t getActiveSide() = 0;
};
