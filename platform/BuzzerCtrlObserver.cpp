#include "BuzzerCtrlObserver.h"

#include "platform/BuzzerCtrlSubject.h"

BuzzerCtrlObserver::BuzzerCtrlObserver(BuzzerCtrlSubject* s)
    : Observer(s)
{
    attach();
}

BuzzerCtrlObserver::~BuzzerCtrlObserver()
{
    detach();
}

void BuzzerCtrlObserver::attach()
{
    if (subject)
        subject->attach(this);
}

void BuzzerCtrlObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void BuzzerCtrlObserver::update() {}

void BuzzerCtrlObserver::setBuzzer(unsigned int value)
{
    if (auto* s = dynamic_cast<BuzzerCtrlSubject*>(subject))
        s->setBuzzer(value);
}

void BuzzerCtrlObserver::clearBuzzer()
{
    if (auto* s = dynamic_cast<BuzzerCtrlSubject*>(subject))
        s->clearBuzzer();
}
