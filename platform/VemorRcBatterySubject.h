#pragma once

#include "platform/BatterySubject.h"

// Battery level from the platform's system message 7.
class VemorRcBatterySubject : public BatterySubject {
public:
    VemorRcBatterySubject();

    void setBatteryLevel(unsigned int raw) override;
    int getBatteryLevel() override;

private:
    int batteryLevel = 0;
};
