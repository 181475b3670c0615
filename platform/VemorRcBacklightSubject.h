#pragma once

#include "platform/RcBacklightSubject.h"

class View;

// Backlight through the platform view. The stored setting is applied once
// more 11 s after construction, when the platform has finished its own
// start-up dimming.
class VemorRcBacklightSubject : public RcBacklightSubject {
    Q_OBJECT
public:
    static constexpr int DelayedApplyMs = 11000;

    explicit VemorRcBacklightSubject(View* view);

    // level in percent; the platform takes steps 1 to 7.
    void setBacklight(unsigned int level, bool autoMode) override;

    unsigned char getLevel() const { return level; }
    bool isAutoMode() const { return autoMode; }
    static unsigned char levelToStep(unsigned int level);

public slots:
    void applyStoredBacklight();

private:
    View* view;
    unsigned char level = 100;
    bool autoMode = true;
};
