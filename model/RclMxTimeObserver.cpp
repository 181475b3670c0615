#include "RclMxTimeObserver.h"

#include "model/RclMxTimeSubject.h"

RclMxTimeObserver::RclMxTimeObserver(RclMxTimeSubject* s)
    : Observer(s)
{
}

RclMxTimeObserver::~RclMxTimeObserver()
{
    detach();
}

void RclMxTimeObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    update();
}

void RclMxTimeObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void RclMxTimeObserver::update()
{
    auto* s = subject ? dynamic_cast<RclMxTimeSubject*>(subject) : nullptr;
    if (s && s->timeAvailable())
        rclTimeChanged(s->getTime());
}

void RclMxTimeObserver::rclTimeChanged(long) {}
