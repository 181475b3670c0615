#include "model/EvsObserver.h"

#include "model/EvsSubject.h"
#include "model/StabilityDecoding.h"

#include <cmath>

EvsObserver::EvsObserver(EvsSubject* s)
    : Observer(s)
    , xText(QStringLiteral("-"))
    , yText(QStringLiteral("-"))
    , calibrationText(QStringLiteral("-"))
{
}

EvsObserver::~EvsObserver()
{
    detach();
}

EvsSubject* EvsObserver::evs() const
{
    return dynamic_cast<EvsSubject*>(subject);
}

void EvsObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    if (EvsSubject* s = evs())
        updateAll(s);
}

void EvsObserver::detach()
{
    if (subject)
        subject->detach(this);
}

QString EvsObserver::axisText(EvsSubject* s, float percent, float degrees) const
{
    if (!valid)
        return QStringLiteral("-");
    switch (s->getEvsUnitType()) {
    case UNIT_PERCENT: {
        const double a = std::fabs(static_cast<double>(percent));
        if (a >= 1000.0)
            return QStringLiteral("999%");
        return QString::number(a, 'f', 0) + QLatin1Char('%');
    }
    case UNIT_DEGREES:
        return StabilityDecoding::degreeText(degrees);
    default:
        return QStringLiteral("-");
    }
}

QString EvsObserver::calibrationLevelText() const
{
    if (!valid)
        return QStringLiteral("-");
    return QString::number(std::fabs(static_cast<double>(calibrationLevel)), 'f', 0) + QLatin1Char('%');
}

void EvsObserver::updateAll(EvsSubject* s)
{
    valid = s->isEvsValid();
    xPercent = s->getEvsXpct();
    yPercent = s->getEvsYpct();
    xDegrees = s->getEvsXdegress();
    yDegrees = s->getEvsYdegress();
    calibrationLevel = s->getEvsCalibrationLevel();
    xText = axisText(s, xPercent, xDegrees);
    yText = axisText(s, yPercent, yDegrees);
    calibrationText = calibrationLevelText();
    evsXpctChanged(xPercent, valid);
    evsYpctChanged(yPercent, valid);
    evsXdegreeChanged(xDegrees, valid);
    evsYdegreeChanged(yDegrees, valid);
    evsCalibrationLevelChanged(valid);
}

void EvsObserver::update()
{
    EvsSubject* s = evs();
    if (!s)
        return;
    if (s->isEvsValid() != valid) {
        updateAll(s);
        return;
    }
    float v = s->getEvsXpct();
    if (v != xPercent) {
        xPercent = v;
        valid = s->isEvsValid();
        xText = axisText(s, xPercent, xDegrees);
        evsXpctChanged(v, valid);
        return;
    }
    v = s->getEvsYpct();
    if (v != yPercent) {
        yPercent = v;
        valid = s->isEvsValid();
        yText = axisText(s, yPercent, yDegrees);
        evsYpctChanged(v, valid);
        return;
    }
    v = s->getEvsXdegress();
    if (v != xDegrees) {
        xDegrees = v;
        valid = s->isEvsValid();
        xText = axisText(s, xPercent, xDegrees);
        evsXdegreeChanged(v, valid);
        return;
    }
    v = s->getEvsYdegress();
    if (v != yDegrees) {
        yDegrees = v;
        valid = s->isEvsValid();
        yText = axisText(s, yPercent, yDegrees);
        evsYdegreeChanged(v, valid);
        return;
    }
    v = s->getEvsCalibrationLevel();
    if (v != calibrationLevel) {
        calibrationLevel = v;
        valid = s->isEvsValid();
        calibrationText = calibrationLevelText();
        evsCalibrationLevelChanged(valid);
    }
}

void EvsObserver::evsXpctChanged(float, bool) {}
void EvsObserver::evsYpctChanged(float, bool) {}
void EvsObserver::evsXdegreeChanged(float, bool) {}
void EvsObserver::evsYdegreeChanged(float, bool) {}
void EvsObserver::evsCalibrationLevelChanged(bool) {}
