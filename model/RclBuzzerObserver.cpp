#include "RclBuzzerObserver.h"

#include "model/RclBuzzerSubject.h"

RclBuzzerObserver::RclBuzzerObserver(RclBuzzerSubject* s)
    : Observer(s)
{
}

RclBuzzerObserver::~RclBuzzerObserver()
{
    detach();
}

void RclBuzzerObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    auto* s = dynamic_cast<RclBuzzerSubject*>(subject);
    if (!s)
        return;
    buzzerOn = s->getBuzzerState();
    buzzerTimeMs = s->getBuzzerTimeMs();
    rclBuzzerStateChanged(buzzerOn, buzzerTimeMs);
}

void RclBuzzerObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void RclBuzzerObserver::update()
{
    auto* s = subject ? dynamic_cast<RclBuzzerSubject*>(subject) : nullptr;
    if (!s)
        return;
    const bool on = s->getBuzzerState();
    const unsigned int timeMs = s->getBuzzerTimeMs();
    if (on == buzzerOn && timeMs == buzzerTimeMs)
        return;
    buzzerOn = on;
    buzzerTimeMs = timeMs;
    rclBuzzerStateChanged(on, timeMs);
}

void RclBuzzerObserver::rclBuzzerStateChanged(bool, unsigned int) {}
