#include "RclModeObserver.h"

RclModeObserver::RclModeObserver(RclModeSubject* s)
    : Observer(s)
{
    if (s)
        mode = s->getRclMode();
}

RclModeObserver::~RclModeObserver()
{
    detach();
}

void RclModeObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    if (dynamic_cast<RclModeSubject*>(subject))
        rclModeChanged(mode);
}

void RclModeObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void RclModeObserver::update()
{
    auto* s = subject ? dynamic_cast<RclModeSubject*>(subject) : nullptr;
    if (!s)
        return;
    const RclModeSubject::mode_t m = s->getRclMode();
    if (m == mode)
        return;
    mode = m;
    rclModeChanged(m);
}

void RclModeObserver::rclModeChanged(RclModeSubject::mode_t) {}
