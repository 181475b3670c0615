#include "InfocenterObserver.h"

#include "model/InfocenterInfoSubject.h"

InfocenterObserver::InfocenterObserver(InfocenterInfoSubject* s)
    : Observer(s)
{
}

InfocenterObserver::~InfocenterObserver()
{
    detach();
}

void InfocenterObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    if (dynamic_cast<InfocenterInfoSubject*>(subject)) {
        iconId1Changed(topIconId);
        iconId2Changed(bottomIconId);
    }
}

void InfocenterObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void InfocenterObserver::update()
{
    auto* s = subject ? dynamic_cast<InfocenterInfoSubject*>(subject) : nullptr;
    if (!s)
        return;
    const unsigned int top = s->getTopDisplayIconId();
    if (top != topIconId) {
        topIconId = top;
        iconId1Changed(top);
    }
    const unsigned int bottom = s->getBotDisplayIconId();
    if (bottom != bottomIconId) {
        bottomIconId = bottom;
        iconId2Changed(bottom);
    }
}

void InfocenterObserver::iconId1Changed(unsigned int) {}

void InfocenterObserver::iconId2Changed(unsigned int) {}
