#include "RovA7BuzzerSubject.h"

namespace {
constexpr unsigned int ErrorWordIndex = 0x47CB;
}

RovA7BuzzerSubject::RovA7BuzzerSubject(MpdoSubject* mpdo)
    : RclBuzzerSubject(nullptr)
    , MpdoObserver(mpdo)
{
}

RovA7BuzzerSubject::~RovA7BuzzerSubject() = default;

void RovA7BuzzerSubject::attach(Observer* o)
{
    Subject::attach(o);
    if (getNumberOfAttachedObservers() == 1)
        subscribe(ErrorWordIndex, 0);
}

void RovA7BuzzerSubject::detach(Observer* o)
{
    Subject::detach(o);
    if (getNumberOfAttachedObservers() == 0)
        unsubscribe(ErrorWordIndex, 0);
}

bool RovA7BuzzerSubject::getBuzzerState()
{
    return buzzerOn;
}

unsigned int RovA7BuzzerSubject::getBuzzerTimeMs()
{
    return buzzerTimeMs;
}

void RovA7BuzzerSubject::newValue(unsigned int, unsigned char, unsigned int value)
{
    switch ((value >> 16) & 0xFF) {
    case 1:
        buzzerOn = true;
        buzzerTimeMs = 0;
        break;
    case 2:
        buzzerOn = true;
        buzzerTimeMs = 400;
        break;
    case 3:
        buzzerOn = true;
        buzzerTimeMs = 800;
        break;
    case 4:
        buzzerOn = true;
        buzzerTimeMs = 1000;
        break;
    case 5:
        buzzerOn = true;
        buzzerTimeMs = 3000;
        break;
    default:
        // Unknown codes silence the buzzer but keep the last period, so a
        // following "on" without a period change is not reported twice.
        buzzerOn = false;
        break;
    }
    notify();
}
