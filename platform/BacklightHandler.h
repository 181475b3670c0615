#pragma once

#include "core/SettingsObserver.h"
#include "platform/rcBacklightObserver.h"

class RcBacklightSubject;
class SettingsSubject;

// Applies the operator's backlight settings (brightness, automatic mode)
// to the backlight output. Fed by the settings store.
class BacklightHandler : public SettingsObserver, public rcBacklightObserver {
public:
    BacklightHandler(SettingsSubject* settings, RcBacklightSubject* backlight);
    virtual ~BacklightHandler();

    void backlightStrengthChanged(unsigned char strength) override;
    void backlightAutoChanged(bool automatic) override;

private:
    unsigned char lastStrength = 0;
    bool autoMode = false;
};
