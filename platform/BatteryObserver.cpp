#include "BatteryObserver.h"

#include "platform/BatterySubject.h"

BatteryObserver::BatteryObserver(BatterySubject* s)
    : Observer(s)
{
}

BatteryObserver::~BatteryObserver()
{
    detach();
}

void BatteryObserver::attach()
{
    if (subject)
        subject->attach(this);
    batteryLevelChanged(static_cast<unsigned int>(level));
}

void BatteryObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void BatteryObserver::update()
{
    auto* s = dynamic_cast<BatterySubject*>(subject);
    if (!s)
        return;
    const int l = s->getBatteryLevel();
    if (l == level)
        return;
    level = l;
    batteryLevelChanged(static_cast<unsigned int>(l));
}

void BatteryObserver::batteryLevelChanged(unsigned int) {}
