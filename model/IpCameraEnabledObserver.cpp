#include "model/IpCameraEnabledObserver.h"

#include "model/RclIpCameraSubject.h"

IpCameraEnabledObserver::IpCameraEnabledObserver(RclIpCameraSubject* s)
    : Observer(s)
{
    if (s)
        cache = s->enabled;
}

IpCameraEnabledObserver::~IpCameraEnabledObserver()
{
    detach();
}

void IpCameraEnabledObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    // Re-read: the flag may have changed while this observer was not attached.
    if (auto* s = dynamic_cast<RclIpCameraSubject*>(subject))
        cache = s->enabled;
    ipCameraEnabledChanged(cache);
}

void IpCameraEnabledObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void IpCameraEnabledObserver::update()
{
    auto* s = subject ? dynamic_cast<RclIpCameraSubject*>(subject) : nullptr;
    if (!s || s->enabled == cache)
        return;
    cache = s->enabled;
    ipCameraEnabledChanged(cache);
}

void IpCameraEnabledObserver::ipCameraEnabledChanged(bool) {}
