#include "VemorRcLedControl.h"

#include "View.h"

VemorRcLedControl::VemorRcLedControl(View* v)
    : view(v)
{
}

void VemorRcLedControl::setLed(LedControl::led_t led, LedControl::ledColor_t colour)
{
    const int n = static_cast<int>(led);
    if (!view || n < 0 || n > 4)
        return;
    LedColor mapped;
    switch (static_cast<int>(colour)) {
    case LED_RED:
        mapped = LED_COLOR_RED;
        break;
    case LED_YELLOW:
        mapped = LED_COLOR_YELLOW;
        break;
    case LED_GREEN:
        mapped = LED_COLOR_GREEN;
        break;
    case LED_OFF:
        mapped = LED_COLOR_OFF;
        break;
    default:
        return;
    }
    // Every colour change starts from off, as the platform expects.
    view->setLed(static_cast<unsigned char>(n), LED_COLOR_OFF);
    view->setLed(static_cast<unsigned char>(n), mapped);
}
