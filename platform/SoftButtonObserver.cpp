#include "SoftButtonObserver.h"

#include "platform/SoftButtonSubject.h"

SoftButtonObserver::SoftButtonObserver(SoftButtonSubject* s)
    : Observer(s)
{
}

SoftButtonObserver::~SoftButtonObserver()
{
    detach();
}

void SoftButtonObserver::attach()
{
    if (subject)
        subject->attach(this);
}

void SoftButtonObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void SoftButtonObserver::update()
{
    auto* s = dynamic_cast<SoftButtonSubject*>(subject);
    if (!s)
        return;
    const unsigned int state = s->getButtonState();
    buttonState(state);
    const unsigned int diff = state ^ lastState;
    if (diff == 0)
        return;
    // Only the highest changed key of the low byte is reported per update;
    // the hardware sends one message per key edge.
    unsigned int i = 0;
    while (i < 8 && !(diff & (0x80u >> i)))
        ++i;
    if (diff & state)
        buttonPressed(i);
    else
        buttonReleased(i);
    lastState = state;
}

void SoftButtonObserver::buttonState(unsigned int) {}
void SoftButtonObserver::buttonPressed(unsigned int) {}
void SoftButtonObserver::buttonReleased(unsigned int) {}
