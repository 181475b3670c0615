#include "ButtonObserver.h"

#include "platform/ButtonSubject.h"

ButtonObserver::ButtonObserver(ButtonSubject* s)
    : Observer(s)
{
    if (s) {
        for (unsigned char n = 0; n < states.size(); ++n)
            states[n] = s->getButtonState(n);
    }
}

ButtonObserver::~ButtonObserver()
{
    detach();
}

void ButtonObserver::attach()
{
    if (subject)
        subject->attach(this);
    auto* s = dynamic_cast<ButtonSubject*>(subject);
    if (!s)
        return;
    for (unsigned char n = 0; n < states.size(); ++n)
        buttonStateChanged(n, s->getButtonState(n));
}

void ButtonObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void ButtonObserver::update()
{
    auto* s = dynamic_cast<ButtonSubject*>(subject);
    if (!s)
        return;
    for (unsigned char n = 0; n < states.size(); ++n) {
        const bool pressed = s->getButtonState(n);
        if (pressed == states[n])
            continue;
        states[n] = pressed;
        buttonStateChanged(n, pressed);
    }
}

void ButtonObserver::buttonStateChanged(unsigned int, bool) {}
