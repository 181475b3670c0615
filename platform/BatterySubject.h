#pragma once

#include "core/Subject.h"

// Charge of the handheld's battery in percent. Fed by the platform bridge
// from system message 7.
class BatterySubject : public Subject {
public:
    using Subject::Subject;

    virtual void setBatteryLevel(unsigned int raw) = 0;
    virtual int getBatteryLevel() = 0;
};
