#pragma once

#include "core/Subject.h"

// Radio link to the crane: signal strength in percent, cable connection and
// pairing. Fed by the platform bridge from system message 7 and wrongVersion().
class RcLinkSubject : public Subject {
public:
    using Subject::Subject;

    virtual void setSignalStrengh(unsigned int raw) = 0;
    virtual void setCabledConnection(bool cabled) = 0;
    virtual void setConnectionPaired(bool paired) = 0;

    virtual bool isConnectionPaired() = 0;
    virtual bool isConnectionCabled() = 0;
    virtual int getSignalStrengh() = 0;
};
