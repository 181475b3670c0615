#include "VemorRcLeverPositionSubject.h"

#include "platform/PlatformConversions.h"

VemorRcLeverPositionSubject::VemorRcLeverPositionSubject()
    : LeverPositionSubject(nullptr)
{
}

void VemorRcLeverPositionSubject::setLeverPosition(unsigned char lever, unsigned char raw)
{
    if (lever < NumberOfLevers)
        positions[lever] = PlatformConversions::leverToPercent(raw);
    notify();
}

int VemorRcLeverPositionSubject::getLeverPosition(unsigned char lever)
{
    return lever < NumberOfLevers ? positions[lever] : 0;
}
