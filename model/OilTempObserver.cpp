#include "model/OilTempObserver.h"

#include "model/OilTempSubject.h"
#include "model/WholeNumberText.h"

#include <QChar>

OilTempObserver::OilTempObserver(OilTempSubject* s)
    : Observer(s)
{
}

OilTempObserver::~OilTempObserver()
{
    detach();
}

void OilTempObserver::readTemperature(OilTempSubject* s)
{
    celsius = s->getOilTemp();
    fahrenheit = 32.0 + 1.8 * static_cast<double>(celsius);
    valid = s->isOilTempValid();
}

void OilTempObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    auto* s = dynamic_cast<OilTempSubject*>(subject);
    if (!s)
        return;
    // The temperature is taken along, so the text is right from the start.
    readTemperature(s);
    oilTempChanged(valid);
}

void OilTempObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void OilTempObserver::update()
{
    auto* s = subject ? dynamic_cast<OilTempSubject*>(subject) : nullptr;
    if (!s || s->getOilTemp() == celsius)
        return;
    readTemperature(s);
    oilTempChanged(valid);
}

void OilTempObserver::oilTempChanged(bool) {}

QString OilTempObserver::getOilTempString()
{
    auto* s = subject ? dynamic_cast<OilTempSubject*>(subject) : nullptr;
    if (!s || !valid)
        return QStringLiteral("-");
    const QChar degree(0x00B0);
    if (s->getTempratureUnit() == UNIT_CELSIUS)
        return wholeNumberText(celsius) + degree + QLatin1Char('C');
    return wholeNumberText(fahrenheit) + degree + QLatin1Char('F');
}
