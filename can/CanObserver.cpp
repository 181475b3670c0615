#include "CanObserver.h"

#include "CanSubject.h"

CanObserver::CanObserver(CanSubject* s)
    : Observer(s)
{
    attach();
}

CanObserver::~CanObserver()
{
    detach();
}

void CanObserver::attach()
{
    if (!subject)
        return;
    if (auto* can = dynamic_cast<CanSubject*>(subject))
        next = can->receiveHead();
    subject->attach(this);
}

void CanObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void CanObserver::update()
{
    auto* can = dynamic_cast<CanSubject*>(subject);
    if (!can)
        return;
    if (!can->usesReceiveFifo()) {
        canMsg = can->getCanMessage();
        newCanMessage(&canMsg);
        return;
    }
    if (next < can->receiveTail())
        next = can->receiveTail();
    while (next < can->receiveHead()) {
        if (!can->receivedFrame(next, canMsg))
            break;
        ++next;
        newCanMessage(&canMsg);
    }
}

void CanObserver::newCanMessage(const canMessage*) {}

void CanObserver::sendCanMessage(canMessage& m)
{
    auto* can = dynamic_cast<CanSubject*>(subject);
    if (!can)
        return;
    m.id += 0x1000;
    can->sendCanMessage(m);
}
