#pragma once

#include "core/Subject.h"

// The handheld's digital inputs (switches and push buttons). Fed by the
// platform bridge from system message 6.
class ButtonSubject : public Subject {
public:
    static constexpr unsigned int NumberOfButtons = 40;

    using Subject::Subject;

    virtual void setButtonState(unsigned int n, bool pressed) = 0;
    virtual bool getButtonState(unsigned char n) = 0;
    virtual unsigned int getNumberOfButtons() = 0;
};
