#pragma once

#include "core/Subject.h"

// Whether the truck has the vehicle-stability system (EVS); decides whether
// EVS rows and views are shown and whether the EVS load counts.
class EvsAvailableSubject : public Subject {
public:
    EvsAvailableSubject()
        : Subject(nullptr)
    {
    }

    // Read directly by EvsAvailableObserver.
    bool isEvsAvailable() const { return available; }

protected:
    bool available = false;
};
