#pragma once

#include "platform/LeverPositionSubject.h"

#include <array>

// Lever positions from the platform's system message 5.
class VemorRcLeverPositionSubject : public LeverPositionSubject {
public:
    VemorRcLeverPositionSubject();

    // A lever above 7 changes nothing but still notifies.
    void setLeverPosition(unsigned char lever, unsigned char raw) override;
    int getLeverPosition(unsigned char lever) override;

private:
    std::array<int, NumberOfLevers> positions {};
};
