#include "model/RovA7InclinationSubject.h"

#include "model/StabilityDecoding.h"

RovA7InclinationSubject::RovA7InclinationSubject(MpdoSubject* mpdo)
    : InclinationSubject()
    , MpdoObserver(mpdo)
{
}

void RovA7InclinationSubject::attach(Observer* o)
{
    Subject::attach(o);
    if (getNumberOfAttachedObservers() == 1)
        subscribe(InclinationIndex, 0);
}

void RovA7InclinationSubject::detach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::detach(o);
    if (before > 0 && getNumberOfAttachedObservers() == 0)
        unsubscribe(InclinationIndex, 0);
}

void RovA7InclinationSubject::newValue(unsigned int, unsigned char, unsigned int value)
{
    xDegrees = StabilityDecoding::lowHalfHundredths(value);
    yDegrees = StabilityDecoding::highHalfHundredths(value);
    notify();
}
