#include "VemorRcBatterySubject.h"

#include "platform/PlatformConversions.h"

VemorRcBatterySubject::VemorRcBatterySubject()
    : BatterySubject(nullptr)
{
}

void VemorRcBatterySubject::setBatteryLevel(unsigned int raw)
{
    batteryLevel = PlatformConversions::fifteenthsToPercent(raw);
    notify();
}

int VemorRcBatterySubject::getBatteryLevel()
{
    return batteryLevel;
}
