#include "model/FlyjibAvailableObserver.h"

#include "model/FlyjibAvailableSubject.h"

FlyjibAvailableObserver::FlyjibAvailableObserver(FlyjibAvailableSubject* s)
    : Observer(s)
{
    if (s)
        cache = s->available;
}

FlyjibAvailableObserver::~FlyjibAvailableObserver()
{
    detach();
}

void FlyjibAvailableObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    // Re-read: the flag may have changed while this observer was not attached.
    if (auto* s = dynamic_cast<FlyjibAvailableSubject*>(subject))
        cache = s->available;
    flyjibAvailableChanged(cache);
}

void FlyjibAvailableObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void FlyjibAvailableObserver::update()
{
    auto* s = subject ? dynamic_cast<FlyjibAvailableSubject*>(subject) : nullptr;
    if (!s || s->available == cache)
        return;
    cache = s->available;
    flyjibAvailableChanged(cache);
}

void FlyjibAvailableObserver::flyjibAvailableChanged(bool) {}
