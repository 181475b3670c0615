#pragma once

#include "core/Subject.h"

// Tells whether the crane has a flyjib. The flag is a plain member read by
// FlyjibAvailableObserver; the controller-backed subject keeps it up to date.
class FlyjibAvailableSubject : public Subject {
public:
    explicit FlyjibAvailableSubject(QObject* parent = nullptr)
        : Subject(parent)
    {
    }

    bool available = false;
};
