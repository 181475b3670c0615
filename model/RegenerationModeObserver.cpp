#include "model/RegenerationModeObserver.h"

#include "model/RegenerationModeSubject.h"

RegenerationModeObserver::RegenerationModeObserver(RegenerationModeSubject* s)
    : Observer(s)
{
}

RegenerationModeObserver::~RegenerationModeObserver()
{
    detach();
}

void RegenerationModeObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    update();
}

void RegenerationModeObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void RegenerationModeObserver::update()
{
    auto* s = subject ? dynamic_cast<RegenerationModeSubject*>(subject) : nullptr;
    if (!s)
        return;
    const unsigned int mode = s->getRegenerationMode();
    if (mode == cache)
        return;
    cache = mode;
    regenerationModeChanged(mode);
}

void RegenerationModeObserver::regenerationModeChanged(unsigned int) {}
