#pragma once

#include "core/Subject.h"

// State of the crane's electric power take-off unit and its battery.
class EptoSubject : public Subject {
public:
    explicit EptoSubject(QObject* parent = nullptr)
        : Subject(parent)
    {
    }

    virtual bool isEptoAvailable() = 0;
    virtual bool isEptoCharging() = 0;
    virtual unsigned int getEptoBatteryLevel() = 0;
    virtual bool isEptoActive() = 0;
    virtual bool isEptoTooHot() = 0;
    virtual bool isEptoErrorActive() = 0;
    virtual bool isEptoStopPressed() = 0;
};
