#include "rcBacklightObserver.h"

#include "platform/RcBacklightSubject.h"

rcBacklightObserver::rcBacklightObserver(RcBacklightSubject* s)
    : Observer(s)
{
}

rcBacklightObserver::~rcBacklightObserver()
{
    detach();
}

void rcBacklightObserver::attach()
{
    if (subject)
        subject->attach(this);
}

void rcBacklightObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void rcBacklightObserver::update() {}

void rcBacklightObserver::setBacklightStrength(unsigned char strength)
{
    if (auto* s = dynamic_cast<RcBacklightSubject*>(subject))
        s->setBacklight(strength, false);
}

void rcBacklightObserver::setBacklightAuto()
{
    if (auto* s = dynamic_cast<RcBacklightSubject*>(subject))
        s->setBacklight(100, true);
}
