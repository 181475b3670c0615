#include "model/WinchAvailableObserver.h"

#include "model/WinchAvailableSubject.h"

WinchAvailableObserver::WinchAvailableObserver(WinchAvailableSubject* s)
    : Observer(s)
{
    if (s)
        cache = s->available;
}

WinchAvailableObserver::~WinchAvailableObserver()
{
    detach();
}

void WinchAvailableObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    // Re-read: the flag may have changed while this observer was not attached.
    if (auto* s = dynamic_cast<WinchAvailableSubject*>(subject))
        cache = s->available;
    winchAvailableChanged(cache);
}

void WinchAvailableObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void WinchAvailableObserver::update()
{
    auto* s = subject ? dynamic_cast<WinchAvailableSubject*>(subject) : nullptr;
    if (!s || s->available == cache)
        return;
    cache = s->available;
    winchAvailableChanged(cache);
}

void WinchAvailableObserver::winchAvailableChanged(bool) {}
