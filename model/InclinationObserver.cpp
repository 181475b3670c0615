#include "model/InclinationObserver.h"

#include "model/InclinationSubject.h"
#include "model/StabilityDecoding.h"

InclinationObserver::InclinationObserver(InclinationSubject* s)
    : Observer(s)
{
}

InclinationObserver::~InclinationObserver()
{
    detach();
}

InclinationSubject* InclinationObserver::inclination() const
{
    return dynamic_cast<InclinationSubject*>(subject);
}

void InclinationObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    InclinationSubject* s = inclination();
    if (!s)
        return;
    xDegrees = s->getInclinationXdegress();
    yDegrees = s->getInclinationYdegress();
    inclinationXdegreeChanged(xDegrees);
    inclinationYdegreeChanged(yDegrees);
}

void InclinationObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void InclinationObserver::update()
{
    InclinationSubject* s = inclination();
    if (!s)
        return;
    const float x = s->getInclinationXdegress();
    if (x != xDegrees) {
        xDegrees = x;
        inclinationXdegreeChanged(x);
    }
    const float y = s->getInclinationYdegress();
    if (y != yDegrees) {
        yDegrees = y;
        inclinationYdegreeChanged(y);
    }
}

void InclinationObserver::inclinationXdegreeChanged(float) {}
void InclinationObserver::inclinationYdegreeChanged(float) {}

QString InclinationObserver::getInclinationXString() const
{
    return StabilityDecoding::degreeText(xDegrees);
}

QString InclinationObserver::getInclinationYString() const
{
    return StabilityDecoding::degreeText(yDegrees);
}
