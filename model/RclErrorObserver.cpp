#include "RclErrorObserver.h"

#include "model/RclErrorSubject.h"

RclErrorObserver::RclErrorObserver(RclErrorSubject* s)
    : Observer(s)
{
    if (s) {
        errorCode = s->getError();
        altCode = s->getAltCode();
    }
}

RclErrorObserver::~RclErrorObserver()
{
    detach();
}

void RclErrorObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    auto* s = dynamic_cast<RclErrorSubject*>(subject);
    if (!s)
        return;
    errorCode = s->getError();
    altCode = s->getAltCode();
    errorCodeChanged(errorCode);
    altCodeChanged(altCode);
}

void RclErrorObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void RclErrorObserver::update()
{
    auto* s = subject ? dynamic_cast<RclErrorSubject*>(subject) : nullptr;
    if (!s)
        return;
    const unsigned int e = s->getError();
    if (e != errorCode) {
        errorCode = e;
        errorCodeChanged(e);
    }
    const unsigned int a = s->getAltCode();
    if (a != altCode) {
        altCode = a;
        altCodeChanged(a);
    }
}

void RclErrorObserver::errorCodeChanged(unsigned int) {}

void RclErrorObserver::altCodeChanged(unsigned int) {}
