#include "model/LoadsAndDerateObserver.h"

#include "model/LoadsAndDerateSubject.h"

#include <cmath>

namespace {
QString percentText(float value)
{
    // Loads and strengths arrive as whole percents; the integer form is the
    // same text for every whole number below a million, at a fraction of
    // the cost of the general one.
    if (value >= 0.0f && value < 1e6f && value == std::floor(value) && !std::signbit(value))
        return QString::number(static_cast<int>(value)) + QLatin1Char('%');
    return QString::number(value, 'g', 6) + QLatin1Char('%');
}
} // namespace

LoadsAndDerateObserver::LoadsAndDerateObserver(LoadsAndDerateSubject* s)
    : Observer(s)
    , loads(s)
{
}

LoadsAndDerateObserver::~LoadsAndDerateObserver()
{
    detach();
}

void LoadsAndDerateObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    updateAllLoads();
    updateAllStrengths();
}

void LoadsAndDerateObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void LoadsAndDerateObserver::updateAllLoads()
{
    LoadsAndDerateSubject* s = loadsSubject();
    if (!s)
        return;
    craneLoad = s->getCraneLoad();
    winchLoad = s->getWinchLoad();
    flyjibLoad = s->getFlyjibLoad();
    evsLoad = s->getEvsLoad();
    loadValid = s->isLoadValid();
    craneLoadChanged(craneLoad, loadValid);
    winchLoadChanged(winchLoad, loadValid);
    flyjibLoadChanged(flyjibLoad, loadValid);
    evsLoadChanged(evsLoad);
}

void LoadsAndDerateObserver::updateAllStrengths()
{
    LoadsAndDerateSubject* s = loadsSubject();
    if (!s)
        return;
    craneStrength = s->getCraneStrength();
    winchStrength = s->getWinchStrength();
    flyjibStrength = s->getFlyjibStrength();
    overallStrength = s->getStrength();
    strengthValid = s->isStrengthValid();
    craneStrengthChanged(craneStrength);
    winchStrengthChanged(winchStrength);
    flyjibStrengthChanged(flyjibStrength);
    strengthChanged(overallStrength, strengthValid);
}

// One change per notification keeps every consumer's redraw small; the
// subject notifies on every value, so the rest follows with the next ones.
void LoadsAndDerateObserver::update()
{
    LoadsAndDerateSubject* s = loadsSubject();
    if (!s)
        return;
    if (s->isLoadValid() != loadValid) {
        updateAllLoads();
        return;
    }
    if (s->isStrengthValid() != strengthValid) {
        updateAllStrengths();
        return;
    }
    float v = s->getCraneLoad();
    if (v != craneLoad) {
        craneLoad = v;
        loadValid = s->isLoadValid();
        craneLoadChanged(craneLoad, loadValid);
        return;
    }
    v = s->getCraneStrength();
    if (v != craneStrength) {
        craneStrength = v;
        strengthValid = s->isStrengthValid();
        craneStrengthChanged(craneStrength);
        return;
    }
    v = s->getWinchLoad();
    if (v != winchLoad) {
        winchLoad = v;
        loadValid = s->isLoadValid();
        winchLoadChanged(winchLoad, loadValid);
        return;
    }
    v = s->getWinchStrength();
    if (v != winchStrength) {
        winchStrength = v;
        strengthValid = s->isStrengthValid();
        winchStrengthChanged(winchStrength);
        return;
    }
    v = s->getFlyjibLoad();
    if (v != flyjibLoad) {
        flyjibLoad = v;
        loadValid = s->isLoadValid();
        flyjibLoadChanged(flyjibLoad, loadValid);
        return;
    }
    v = s->getFlyjibStrength();
    if (v != flyjibStrength) {
        flyjibStrength = v;
        strengthValid = s->isStrengthValid();
        flyjibStrengthChanged(flyjibStrength);
        return;
    }
    v = s->getStrength();
    if (v != overallStrength) {
        overallStrength = v;
        strengthValid = s->isStrengthValid();
        strengthChanged(overallStrength, strengthValid);
        return;
    }
    v = s->getEvsLoad();
    if (v != evsLoad) {
        evsLoad = v;
        evsLoadChanged(evsLoad);
    }
}

void LoadsAndDerateObserver::craneLoadChanged(float, bool) {}
void LoadsAndDerateObserver::winchLoadChanged(float, bool) {}
void LoadsAndDerateObserver::flyjibLoadChanged(float, bool) {}
void LoadsAndDerateObserver::evsLoadChanged(float) {}
void LoadsAndDerateObserver::craneStrengthChanged(float) {}
void LoadsAndDerateObserver::winchStrengthChanged(float) {}
void LoadsAndDerateObserver::flyjibStrengthChanged(float) {}
void LoadsAndDerateObserver::strengthChanged(float, bool) {}

QString LoadsAndDerateObserver::getLoadString(loadOrStrengthType_t type)
{
    if (!loadValid)
        return QStringLiteral("-");
    switch (type) {
    case crane:
        return percentText(craneLoad);
    case winch:
        return percentText(winchLoad);
    case flyjib:
        return percentText(flyjibLoad);
    }
    return QStringLiteral("-");
}

QString LoadsAndDerateObserver::getStrengthString(loadOrStrengthType_t type)
{
    if (!strengthValid)
        return QStringLiteral("-");
    switch (type) {
    case crane:
        return percentText(craneStrength);
    case winch:
        return percentText(winchStrength);
    case flyjib:
        return percentText(flyjibStrength);
    }
    return QStringLiteral("-");
}

QString LoadsAndDerateObserver::getStrength()
{
    return strengthValid ? percentText(overallStrength) : QStringLiteral("-");
}

QString LoadsAndDerateObserver::getEvsLoadString()
{
    return percentText(evsLoad);
}
