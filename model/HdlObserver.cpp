#include "model/HdlObserver.h"

#include "model/HdlSubject.h"

HdlObserver::HdlObserver(HdlSubject* s)
    : Observer(s)
    , hdl(s)
{
    if (s) {
        level = s->getHdlLevel();
        valid = s->isHdlLoadValid();
    }
}

HdlObserver::~HdlObserver()
{
    detach();
}

void HdlObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    HdlSubject* s = hdl;
    if (!s)
        return;
    valid = s->isHdlLoadValid();
    level = valid ? s->getHdlLevel() : 0;
    hdlChanged(level, valid);
}

void HdlObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void HdlObserver::update()
{
    HdlSubject* s = subject ? hdl : nullptr;
    if (!s)
        return;
    const bool nowValid = s->isHdlLoadValid();
    const unsigned int nowLevel = nowValid ? s->getHdlLevel() : 0;
    // Validity counts on its own: a first valid level of 0 (everything
    // blocked) looks like the invalid 0 before it.
    if (nowLevel == level && nowValid == valid)
        return;
    level = nowLevel;
    valid = nowValid;
    hdlChanged(level, valid);
}

void HdlObserver::hdlChanged(unsigned int, bool) {}

QString HdlObserver::getHdlString()
{
    if (!valid)
        return QStringLiteral("-");
    return QString::number(level) + QLatin1Char('%');
}
