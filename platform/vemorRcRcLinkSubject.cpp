#include "vemorRcRcLinkSubject.h"

#include "platform/PlatformConversions.h"

vemorRcRcLinkSubject::vemorRcRcLinkSubject()
    : RcLinkSubject(nullptr)
{
}

void vemorRcRcLinkSubject::setSignalStrengh(unsigned int raw)
{
    signalStrength = PlatformConversions::fifteenthsToPercent(raw);
    notify();
}

void vemorRcRcLinkSubject::setCabledConnection(bool c)
{
    cabled = c;
    notify();
}

void vemorRcRcLinkSubject::setConnectionPaired(bool p)
{
    paired = p;
    notify();
}

bool vemorRcRcLinkSubject::isConnectionPaired()
{
    return true;
}

bool vemorRcRcLinkSubject::isConnectionCabled()
{
    return cabled;
}

int vemorRcRcLinkSubject::getSignalStrengh()
{
    return signalStrength;
}
