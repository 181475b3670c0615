#include "model/WinchWeightObserver.h"

#include "model/WeightSubject.h"

WinchWeightObserver::WinchWeightObserver(WeightSubject* s)
    : Observer(s)
{
}

WinchWeightObserver::~WinchWeightObserver()
{
    detach();
}

void WinchWeightObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    auto* s = dynamic_cast<WeightSubject*>(subject);
    if (!s)
        return;
    weightKg = s->getWeightKg();
    valid = s->isWeightValid();
    WinchWeightChanged(WeightSubject::wholeKg(weightKg), valid);
}

void WinchWeightObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void WinchWeightObserver::update()
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
    WinchWeightChanged(WeightSubject::wholeKg(weightKg), valid);
}

void WinchWeightObserver::WinchWeightChanged(unsigned int, bool) {}

QString WinchWeightObserver::getWinchWeightString()
{
    auto* s = subject ? dynamic_cast<WeightSubject*>(subject) : nullptr;
    if (!s)
        return QString();
    return WeightSubject::weightText(weightKg, valid, s->getWeightUnit());
}
