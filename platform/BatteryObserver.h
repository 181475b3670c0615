#pragma once

#include "core/Observer.h"

class BatterySubject;

// Adapter of the battery subject with a cached level (0 until the first
// change is seen).
class BatteryObserver : public Observer {
public:
    explicit BatteryObserver(BatterySubject* s);
    virtual ~BatteryObserver();

    // Delivers the cached level.
    void attach() override;
    void detach() override;
    void update() override;

    virtual void batteryLevelChanged(unsigned int level);

private:
    int level = 0;
};
