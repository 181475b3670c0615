#include "RcLinkObserver.h"

#include "platform/RcLinkSubject.h"

RcLinkObserver::RcLinkObserver(RcLinkSubject* s)
    : Observer(s)
{
    if (s) {
        signalStrength = s->getSignalStrengh();
        cabled = s->isConnectionCabled();
        paired = s->isConnectionPaired();
    }
}

RcLinkObserver::~RcLinkObserver()
{
    detach();
}

void RcLinkObserver::attach()
{
    if (subject)
        subject->attach(this);
    signalStrengthChanged(static_cast<unsigned int>(signalStrength));
    isCabledChanged(cabled);
    isPairedChanged(paired);
}

void RcLinkObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void RcLinkObserver::update()
{
    auto* s = dynamic_cast<RcLinkSubject*>(subject);
    if (!s)
        return;
    const int signal = s->getSignalStrengh();
    if (signal != signalStrength) {
        signalStrength = signal;
        signalStrengthChanged(static_cast<unsigned int>(signal));
    }
    const bool c = s->isConnectionCabled();
    if (c != cabled) {
        cabled = c;
        isCabledChanged(c);
    }
    const bool p = s->isConnectionPaired();
    if (p != paired) {
        paired = p;
        isPairedChanged(p);
    }
}

void RcLinkObserver::signalStrengthChanged(unsigned int) {}
void RcLinkObserver::isCabledChanged(bool) {}
void RcLinkObserver::isPairedChanged(bool) {}
