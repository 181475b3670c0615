#pragma once

#include "core/Subject.h"

// Whether the truck has a front stabiliser and the load it carries; shown as
// a row of the crane overview.
class FrontStabSubject : public Subject {
public:
    FrontStabSubject()
        : Subject(nullptr)
    {
    }

    virtual bool isFrontStabLoadValid() = 0;
    virtual unsigned int getFronStabLoad() = 0;

    // Read directly by FrontStabObserver.
    bool isFrontStabAvailable() const { return available; }

protected:
    bool available = false;
};
