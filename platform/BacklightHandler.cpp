#include "BacklightHandler.h"

BacklightHandler::BacklightHandler(SettingsSubject* settings, RcBacklightSubject* backlight)
    : SettingsObserver(settings)
    , rcBacklightObserver(backlight)
{
    SettingsObserver::attach();
    rcBacklightObserver::attach();
}

BacklightHandler::~BacklightHandler() = default;

void BacklightHandler::backlightStrengthChanged(unsigned char strength)
{
    lastStrength = strength;
    if (!autoMode)
        rcBacklightObserver::setBacklightStrength(strength);
}

void BacklightHandler::backlightAutoChanged(bool automatic)
{
    autoMode = automatic;
    if (automatic)
        rcBacklightObserver::setBacklightAuto();
    else
        // Back to the operator's own brightness, not the full brightness the
        // automatic mode used.
        rcBacklightObserver::setBacklightStrength(lastStrength);
}
