#pragma once

// LED colours as the remote-control processor understands them.
enum LedColor : unsigned char {
    LED_COLOR_GREEN = 0,
    LED_COLOR_YELLOW = 1,
    LED_COLOR_RED = 2,
    LED_COLOR_OFF = 3,
};
