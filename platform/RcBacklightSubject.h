#pragma once

#include "core/Subject.h"

// Output to the display backlight: brightness in percent and automatic
// mode. Driven by the backlight handler; never notifies.
class RcBacklightSubject : public Subject {
public:
    using Subject::Subject;

    virtual void setBacklight(unsigned int, bool) {}
};
