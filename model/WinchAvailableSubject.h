#pragma once

#include "core/Subject.h"

// Tells whether the crane has a winch. The flag is a plain member read by
// WinchAvailableObserver; the controller-backed subject keeps it up to date.
class WinchAvailableSubject : public Subject {
public:
    explicit WinchAvailableSubject(QObject* parent = nullptr)
        : Subject(parent)
    {
    }

    bool available = false;
};
