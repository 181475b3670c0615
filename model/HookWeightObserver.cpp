#include "model/HookWeightObserver.h"

#include "model/WeightSubject.h"

HookWeightObserver::HookWeightObserver(WeightSubject* s)
    : Observer(s)
{
}

HookWeightObserver::~HookWeightObserver()
{
    detach();
}

void HookWeightObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    auto* s = dynamic_cast<WeightSubject*>(subject);
    if (!s)
        return;
    weightKg = s->getWeightKg();
    valid = s->isWeightValid();
    hookWeightChanged(WeightSubject::wholeKg(weightKg), valid);
}

void HookWeightObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void HookWeightObserver::update()
{
    auto* s = subject ? dynamic_cast<WeightSubject*>(subject) : nullptr;
    if (!s)
        return;
    const float kg = s->getWeightKg();
    const bool v = s->isWeightValid();
    if (kg == weightKg && v == valid)
        return;
    weightKg = kg;
    valid = v;
    hookWeightChanged(WeightSubject::wholeKg(weightKg), valid);
}

void HookWeightObserver::hookWeightChanged(unsigned int, bool) {}

QString HookWeightObserver::getHookWeightString()
{
    auto* s = subject ? dynamic_cast<WeightSubject*>(subject) : nullptr;
    if (!s)
        return QString();
    return WeightSubject::weightText(weightKg, valid, s->getWeightUnit());
}
