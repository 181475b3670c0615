#include "MooringObserver.h"

MooringObserver::MooringObserver(MooringSubject* s)
    : Observer(s)
{
    if (s)
        mooringState = s->getMooringState();
}

MooringObserver::~MooringObserver()
{
    detach();
}

void MooringObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    // Reports the current state without touching the cache: update() still
    // compares against the state seen before.
    if (auto* s = dynamic_cast<MooringSubject*>(subject))
        mooringStateChanged(s->getMooringState());
}

void MooringObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void MooringObserver::update()
{
    auto* s = subject ? dynamic_cast<MooringSubject*>(subject) : nullptr;
    if (!s)
        return;
    const MooringSubject::mooringState_t m = s->getMooringState();
    if (m == mooringState)
        return;
    mooringState = m;
    mooringStateChanged(m);
}

void MooringObserver::mooringStateChanged(MooringSubject::mooringState_t) {}
