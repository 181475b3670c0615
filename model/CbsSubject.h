#pragma once

#include "core/Subject.h"

// Whether the controller's CBS function is active. Fed by the
// controller-backed implementation; read by the status bar and the LEDs.
class CbsSubject : public Subject {
public:
    explicit CbsSubject(QObject* parent = nullptr)
        : Subject(parent)
    {
    }

    virtual bool isCbsActive() = 0;
};
