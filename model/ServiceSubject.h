#pragma once

#include "core/Subject.h"

// The crane's service counters. Fed by the controller-backed implementation;
// read by the settings view. Each getter returns -1 while unknown.
class ServiceSubject : public Subject {
public:
    explicit ServiceSubject(QObject* parent = nullptr)
        : Subject(parent)
    {
    }

    virtual int getOperationHoursToService() = 0;
    virtual int getDaysToNextPlannedService() = 0;
    virtual int getOperationHoursToOilChange() = 0;
    virtual int getActiveHours() = 0;
};
