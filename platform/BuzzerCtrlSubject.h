#pragma once

#include "core/Subject.h"

// Output to the handheld's buzzer. Driven by the buzzer handler; never
// notifies. The defaults do nothing.
class BuzzerCtrlSubject : public Subject {
public:
    using Subject::Subject;

    virtual void setBuzzer(unsigned int) {}
    virtual void clearBuzzer() {}
};
