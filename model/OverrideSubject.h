#pragma once

#include "core/Subject.h"

// Whether the operator has overridden the controller's limits, and how long
// the override still lasts. Fed by the controller-backed implementation.
class OverrideSubject : public Subject {
public:
    explicit OverrideSubject(QObject* parent = nullptr)
        : Subject(parent)
    {
    }

    virtual bool isOverrideActive() = 0;
    virtual int getOverrideTimeLeftMs() = 0;
};
