#pragma once

#include "core/Subject.h"
#include "model/FunctionIds.h"

// Which crane movements are blocked, by the controller or by an HDL level of 0.
class BlockedFunctionSubject : public Subject {
public:
    explicit BlockedFunctionSubject(QObject* parent = nullptr)
        : Subject(parent)
    {
    }

    virtual bool isFunctionBlocked(functionID_t id) = 0;
};
