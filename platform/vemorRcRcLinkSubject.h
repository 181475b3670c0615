#pragma once

#include "platform/RcLinkSubject.h"

// Radio link state from the platform's system message 7.
class vemorRcRcLinkSubject : public RcLinkSubject {
public:
    vemorRcRcLinkSubject();

    void setSignalStrengh(unsigned int raw) override;
    void setCabledConnection(bool cabled) override;
    void setConnectionPaired(bool paired) override;

    // Always true: the pairing flag is kept but not reported, so a
    // wrongVersion() from the platform does not change the screen.
    bool isConnectionPaired() override;
    bool isConnectionCabled() override;
    int getSignalStrengh() override;

private:
    int signalStrength = 50;
    bool cabled = false;
    bool paired = true;
};
