#pragma once

#include "core/Subject.h"

// Regeneration mode of the crane's exhaust treatment as the controller reports it.
class RegenerationModeSubject : public Subject {
public:
    explicit RegenerationModeSubject(QObject* parent = nullptr)
        : Subject(parent)
    {
    }

    virtual unsigned int getRegenerationMode() = 0;
};
