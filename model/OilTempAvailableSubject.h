#pragma once

#include "core/Subject.h"

// Tells whether the crane has an oil-temperature sensor. The flag is a plain member read by
// OilTempAvailableObserver; the controller-backed subject keeps it up to date.
class OilTempAvailableSubject : public Subject {
public:
    explicit OilTempAvailableSubject(QObject* parent = nullptr)
        : Subject(parent)
    {
    }

    bool available = false;
};
