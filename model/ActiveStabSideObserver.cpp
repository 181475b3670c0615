#include "model/ActiveStabSideObserver.h"

ActiveStabSideObserver::ActiveStabSideObserver(stabActiveSideSubject* s)
    : Observer(s)
{
}

ActiveStabSideObserver::~ActiveStabSideObserver()
{
    detach();
}

void ActiveStabSideObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    auto* s = dynamic_cast<stabActiveSideSubject*>(subject);
    if (!s)
        return;
    sideCache = s->getActiveSide();
    activeStabSideChanged(sideCache);
}

void ActiveStabSideObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void ActiveStabSideObserver::update()
{
    auto* s = dynamic_cast<stabActiveSideSubject*>(subject);
    if (!s)
        return;
    const activeStabSide_t side = s->getActiveSide();
    if (side != sideCache) {
        sideCache = side;
        activeStabSideChanged(side);
    }
}

void ActiveStabSideObserver::activeStabSideChanged(activeStabSide_t) {}
