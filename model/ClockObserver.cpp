#include "ClockObserver.h"

#include "model/ClockSubject.h"

ClockObserver::ClockObserver(ClockSubject* s)
    : Observer(s)
{
}

ClockObserver::~ClockObserver()
{
    detach();
}

void ClockObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    update();
}

void ClockObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void ClockObserver::update()
{
    auto* s = subject ? dynamic_cast<ClockSubject*>(subject) : nullptr;
    if (!s)
        return;
    const long time = s->getTime();
    if (time == 0)
        return;
    clockChanged(time);
    clockStringChanged(s->getClockString());
}

void ClockObserver::addHour()
{
    if (auto* s = subject ? dynamic_cast<ClockSubject*>(subject) : nullptr)
        s->addHour();
}

void ClockObserver::addMin()
{
    if (auto* s = subject ? dynamic_cast<ClockSubject*>(subject) : nullptr)
        s->addMin();
}

void ClockObserver::clockChanged(long) {}

void ClockObserver::clockStringChanged(QString) {}
