#include "model/RegeneraitonAvailableObserver.h"

#include "model/RegeneraitonAvailableSubject.h"

RegeneraitonAvailableObserver::RegeneraitonAvailableObserver(RegeneraitonAvailableSubject* s)
    : Observer(s)
{
    if (s)
        cache = s->available;
}

RegeneraitonAvailableObserver::~RegeneraitonAvailableObserver()
{
    detach();
}

void RegeneraitonAvailableObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    // Re-read: the flag may have changed while this observer was not attached.
    if (auto* s = dynamic_cast<RegeneraitonAvailableSubject*>(subject))
        cache = s->available;
    RegeneraitonAvailableChanged(cache);
}

void RegeneraitonAvailableObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void RegeneraitonAvailableObserver::update()
{
    auto* s = subject ? dynamic_cast<RegeneraitonAvailableSubject*>(subject) : nullptr;
    if (!s || s->available == cache)
        return;
    cache = s->available;
    RegeneraitonAvailableChanged(cache);
}

void RegeneraitonAvailableObserver::RegeneraitonAvailableChanged(bool) {}
