#pragma once

#include "platform/SoftButtonSubject.h"

// Soft-key state as reported by the platform's button-status messages.
class VemorRcSoftButtonSubject : public SoftButtonSubject {
public:
    VemorRcSoftButtonSubject();

    void setButtonState(unsigned int state) override;
    unsigned int getButtonState() override;

private:
    unsigned int buttonState = 0;
};
