#pragma once

// Output to the panel of five LEDs beside the display. The LED handler
// writes through it; the default does nothing.
class LedControl {
public:
    enum led_t {
        LED_MODE = 0,
        LED_HDL = 1,
        LED_LOAD = 2,
        LED_STRENGTH = 3,
        LED_SLEW = 4,
    };

    enum ledColor_t {
        LED_RED = 0,
        LED_YELLOW = 1,
        LED_GREEN = 2,
        LED_OFF = 3,
    };

    virtual ~LedControl() = default;
    virtual void setLed(LedControl::led_t, LedControl::ledColor_t) {}
};
