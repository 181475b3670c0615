#include "LeverPositionObserver.h"

#include "platform/LeverPositionSubject.h"

LeverPositionObserver::LeverPositionObserver(LeverPositionSubject* s)
    : Observer(s)
{
    if (s) {
        for (unsigned char i = 0; i < positions.size(); ++i)
            positions[i] = s->getLeverPosition(i);
    }
}

LeverPositionObserver::~LeverPositionObserver()
{
    detach();
}

void LeverPositionObserver::attach()
{
    if (subject)
        subject->attach(this);
    auto* s = dynamic_cast<LeverPositionSubject*>(subject);
    if (!s)
        return;
    for (unsigned char i = 0; i < positions.size(); ++i) {
        positions[i] = s->getLeverPosition(i);
        leverPositionChanged(i, positions[i]);
    }
}

void LeverPositionObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void LeverPositionObserver::update()
{
    auto* s = dynamic_cast<LeverPositionSubject*>(subject);
    if (!s)
        return;
    for (unsigned char i = 0; i < positions.size(); ++i) {
        const int p = s->getLeverPosition(i);
        if (p == positions[i])
            continue;
        positions[i] = p;
        leverPositionChanged(i, p);
    }
}

void LeverPositionObserver::leverPositionChanged(unsigned char, int) {}
