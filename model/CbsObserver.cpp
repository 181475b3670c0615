#include "CbsObserver.h"

#include "model/CbsSubject.h"

CbsObserver::CbsObserver(CbsSubject* s)
    : Observer(s)
{
    if (s)
        cbsActive = s->isCbsActive();
}

CbsObserver::~CbsObserver()
{
    detach();
}

void CbsObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    auto* s = dynamic_cast<CbsSubject*>(subject);
    if (!s)
        return;
    cbsActive = s->isCbsActive();
    cbsActiveChanged(cbsActive);
}

void CbsObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void CbsObserver::update()
{
    auto* s = subject ? dynamic_cast<CbsSubject*>(subject) : nullptr;
    if (!s)
        return;
    const bool a = s->isCbsActive();
    if (a == cbsActive)
        return;
    cbsActive = a;
    cbsActiveChanged(a);
}

void CbsObserver::cbsActiveChanged(bool) {}
