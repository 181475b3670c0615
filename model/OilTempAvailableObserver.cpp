#include "model/OilTempAvailableObserver.h"

#include "model/OilTempAvailableSubject.h"

OilTempAvailableObserver::OilTempAvailableObserver(OilTempAvailableSubject* s)
    : Observer(s)
{
    if (s)
        cache = s->available;
}

OilTempAvailableObserver::~OilTempAvailableObserver()
{
    detach();
}

void OilTempAvailableObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    // Re-read: the flag may have changed while this observer was not attached.
    if (auto* s = dynamic_cast<OilTempAvailableSubject*>(subject))
        cache = s->available;
    oilTempAvailableChanged(cache);
}

void OilTempAvailableObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void OilTempAvailableObserver::update()
{
    auto* s = subject ? dynamic_cast<OilTempAvailableSubject*>(subject) : nullptr;
    if (!s || s->available == cache)
        return;
    cache = s->available;
    oilTempAvailableChanged(cache);
}

void OilTempAvailableObserver::oilTempAvailableChanged(bool) {}
