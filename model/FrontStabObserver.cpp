#include "model/FrontStabObserver.h"

#include "model/FrontStabSubject.h"

FrontStabObserver::FrontStabObserver(FrontStabSubject* s)
    : Observer(s)
{
}

FrontStabObserver::~FrontStabObserver()
{
    detach();
}

void FrontStabObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    auto* s = dynamic_cast<FrontStabSubject*>(subject);
    if (!s)
        return;
    availableCache = s->isFrontStabAvailable();
    validCache = s->isFrontStabLoadValid();
    loadCache = s->getFronStabLoad();
    frontStabAvailableChanged(availableCache);
    frontStabLoadChanged(validCache, loadCache);
}

void FrontStabObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void FrontStabObserver::update()
{
    auto* s = dynamic_cast<FrontStabSubject*>(subject);
    if (!s)
        return;
    const bool available = s->isFrontStabAvailable();
    if (available != availableCache) {
        availableCache = available;
        frontStabAvailableChanged(available);
    }
    const bool valid = s->isFrontStabLoadValid();
    const unsigned int load = s->getFronStabLoad();
    if (valid != validCache || load != loadCache) {
        validCache = valid;
        loadCache = load;
        frontStabLoadChanged(valid, load);
    }
}

void FrontStabObserver::frontStabAvailableChanged(bool) {}
void FrontStabObserver::frontStabLoadChanged(bool, unsigned int) {}

QString FrontStabObserver::getLoadString() const
{
    if (!validCache)
        return QStringLiteral("-");
    return QString::number(loadCache) + QLatin1Char('%');
}
