#pragma once

#include "core/Observer.h"

class RcBacklightSubject;

// Command side of the backlight output.
class rcBacklightObserver : public Observer {
public:
    explicit rcBacklightObserver(RcBacklightSubject* s);
    virtual ~rcBacklightObserver();

    void attach() override;
    void detach() override;
    void update() override;

    void setBacklightStrength(unsigned char strength);
    // Full brightness, regulated by the platform's light sensor.
    void setBacklightAuto();
};
