#include "OscillatorObserver.h"

#include "OscillatorSubject.h"

OscillatorObserver::OscillatorObserver(OscillatorSubject* s)
    : Observer(s)
{
    attach();
}

OscillatorObserver::~OscillatorObserver()
{
    detach();
}

void OscillatorObserver::attach()
{
    if (subject)
        subject->attach(this);
}

void OscillatorObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void OscillatorObserver::update()
{
    auto* s = dynamic_cast<OscillatorSubject*>(subject);
    if (s)
        oscilate800ms(s->getToggle());
}

void OscillatorObserver::oscilate800ms(bool) {}
