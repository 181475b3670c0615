#pragma once

#include "core/Subject.h"

// The controller's own inclination sensor: tilt of the truck in degrees
// around the X and Y axes.
class InclinationSubject : public Subject {
public:
    InclinationSubject()
        : Subject(nullptr)
    {
    }

    virtual float getInclinationXdegress() = 0;
    virtual float getInclinationYdegress() = 0;
};
