#pragma once

#include "platform/BuzzerCtrlSubject.h"

class View;

// Buzzer through the platform view: a value from the controller becomes a
// repeated beep pattern of n steps.
class VemorRcBuzzerCtrlSubject : public BuzzerCtrlSubject {
public:
    // The pattern's step field has seven bits.
    static constexpr unsigned int MaxSteps = 0x7F;

    explicit VemorRcBuzzerCtrlSubject(View* view);

    void setBuzzer(unsigned int value) override;
    void clearBuzzer() override;

    unsigned int getBuzzerSteps() const { return steps; }
    static unsigned int valueToSteps(unsigned int value);

private:
    View* view;
    unsigned int steps = 0;
};
