#pragma once

#include "platform/LedControl.h"

class View;

// LEDs through the platform view.
class VemorRcLedControl : public LedControl {
public:
    explicit VemorRcLedControl(View* view);

    // Unknown LED or colour numbers are ignored.
    void setLed(LedControl::led_t led, LedControl::ledColor_t colour) override;

private:
    View* view;
};
