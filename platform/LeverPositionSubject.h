#pragma once

#include "core/Subject.h"

// Positions of the handheld's eight levers in percent (-100 to +100). Fed by
// the platform bridge from system message 5.
class LeverPositionSubject : public Subject {
public:
    static constexpr unsigned char NumberOfLevers = 8;

    using Subject::Subject;

    virtual void setLeverPosition(unsigned char lever, unsigned char raw) = 0;
    virtual int getLeverPosition(unsigned char lever) = 0;
};
