#include "model/EvsAvailableObserver.h"

#include "model/EvsAvailableSubject.h"

EvsAvailableObserver::EvsAvailableObserver(EvsAvailableSubject* s)
    : Observer(s)
{
    if (s)
        availableCache = s->isEvsAvailable();
}

EvsAvailableObserver::~EvsAvailableObserver()
{
    detach();
}

void EvsAvailableObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    auto* s = dynamic_cast<EvsAvailableSubject*>(subject);
    if (!s)
        return;
    availableCache = s->isEvsAvailable();
    evsAvailableChanged(availableCache);
}

void EvsAvailableObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void EvsAvailableObserver::update()
{
    auto* s = dynamic_cast<EvsAvailableSubject*>(subject);
    if (!s)
        return;
    const bool available = s->isEvsAvailable();
    if (available != availableCache) {
        availableCache = available;
        evsAvailableChanged(available);
    }
}

void EvsAvailableObserver::evsAvailableChanged(bool) {}
