#include "OverrideObserver.h"

#include "model/OverrideSubject.h"

OverrideObserver::OverrideObserver(OverrideSubject* s)
    : Observer(s)
{
}

OverrideObserver::~OverrideObserver()
{
    detach();
}

void OverrideObserver::attach()
{
    if (subject)
        subject->attach(this);
}

void OverrideObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void OverrideObserver::update()
{
    auto* s = subject ? dynamic_cast<OverrideSubject*>(subject) : nullptr;
    if (!s)
        return;
    const int left = s->getOverrideTimeLeftMs();
    overrideActive(s->isOverrideActive(), left > 0 ? static_cast<unsigned int>(left) : 0u);
}

void OverrideObserver::overrideActive(bool, unsigned int) {}
