#pragma once

#include "core/Subject.h"

// Tells whether the crane has regeneration. The flag is a plain member read by
// RegeneraitonAvailableObserver; the controller-backed subject keeps it up to date.
class RegeneraitonAvailableSubject : public Subject {
public:
    explicit RegeneraitonAvailableSubject(QObject* parent = nullptr)
        : Subject(parent)
    {
    }

    bool available = false;
};
