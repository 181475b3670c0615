#include "model/StabIndicationObserver.h"

StabIndicationObserver::StabIndicationObserver(StabIndicationSubject* s)
    : Observer(s)
{
}

StabIndicationObserver::~StabIndicationObserver()
{
    detach();
}

StabIndicationSubject* StabIndicationObserver::indications() const
{
    return dynamic_cast<StabIndicationSubject*>(subject);
}

void StabIndicationObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    StabIndicationSubject* s = indications();
    if (!s)
        return;
    for (int i = 0; i < StabIndicationSubject::NumberOfStabs; ++i) {
        const stab_t stab = static_cast<stab_t>(i);
        enabledCache[i] = s->isStabIndicatorEnabled(stab);
        stabEnabledChanged(stab, enabledCache[i]);
        setCache[i] = s->getStabIndication(stab);
        stabSetIndicationChanged(stab, setCache[i]);
    }
    extraCache = s->isExtraStabEnabled();
    stabExtraStabeEnabledChanged(extraCache);
}

void StabIndicationObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void StabIndicationObserver::update()
{
    StabIndicationSubject* s = indications();
    if (!s)
        return;
    for (int i = 0; i < StabIndicationSubject::NumberOfStabs; ++i) {
        const stab_t stab = static_cast<stab_t>(i);
        const bool on = s->isStabIndicatorEnabled(stab);
        if (on != enabledCache[i]) {
            enabledCache[i] = on;
            stabEnabledChanged(stab, on);
        }
        const bool set = s->getStabIndication(stab);
        if (set != setCache[i]) {
            setCache[i] = set;
            stabSetIndicationChanged(stab, set);
        }
    }
    const bool extra = s->isExtraStabEnabled();
    if (extra != extraCache) {
        extraCache = extra;
        stabExtraStabeEnabledChanged(extra);
    }
}

void StabIndicationObserver::stabEnabledChanged(stab_t, bool) {}
void StabIndicationObserver::stabSetIndicationChanged(stab_t, bool) {}
void StabIndicationObserver::stabExtraStabeEnabledChanged(bool) {}
