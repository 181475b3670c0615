#pragma once

#include "platform/ButtonSubject.h"

#include <array>

// Digital inputs from the platform's system message 6 (inputs 0 to 31; the
// upper eight of the 40 stay released).
class VemorRcButtonSubject : public ButtonSubject {
public:
    VemorRcButtonSubject();

    // An input above 39 is ignored without notification.
    void setButtonState(unsigned int n, bool pressed) override;
    bool getButtonState(unsigned char n) override;
    unsigned int getNumberOfButtons() override;

private:
    std::array<bool, NumberOfButtons> buttons {};
};
