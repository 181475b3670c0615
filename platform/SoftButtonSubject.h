#pragma once

#include "core/Subject.h"

// The eight soft keys beside the display as one state word (bit 7 - i is key
// i). Fed by the platform bridge from every button-status message.
class SoftButtonSubject : public Subject {
public:
    using Subject::Subject;

    virtual void setButtonState(unsigned int state) = 0;
    virtual unsigned int getButtonState() = 0;
};
