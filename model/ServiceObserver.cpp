#include "ServiceObserver.h"

#include "model/ServiceSubject.h"

namespace {
QString counterText(int value)
{
    return value == -1 ? QStringLiteral("--") : QString::number(value);
}
}

ServiceObserver::ServiceObserver(ServiceSubject* s)
    : Observer(s)
{
}

ServiceObserver::~ServiceObserver()
{
    detach();
}

void ServiceObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    update();
}

void ServiceObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void ServiceObserver::update()
{
    auto* s = subject ? dynamic_cast<ServiceSubject*>(subject) : nullptr;
    if (!s)
        return;
    const int toService = s->getOperationHoursToService();
    if (toService != hoursToService) {
        hoursToService = toService;
        opearionHoursToNextServiceStringChanged(counterText(toService));
    }
    const int days = s->getDaysToNextPlannedService();
    if (days != daysToPlannedService) {
        daysToPlannedService = days;
        daysToNextPlannedServiceStringChanged(counterText(days));
    }
    const int toOil = s->getOperationHoursToOilChange();
    if (toOil != hoursToOilChange) {
        hoursToOilChange = toOil;
        opearionHoursToNextOilServiceStringChanged(counterText(toOil));
    }
    const int active = s->getActiveHours();
    if (active != activeHours) {
        activeHours = active;
        activeHoursChanged(counterText(active));
    }
}

void ServiceObserver::opearionHoursToNextServiceStringChanged(QString) {}

void ServiceObserver::opearionHoursToNextOilServiceStringChanged(QString) {}

void ServiceObserver::daysToNextPlannedServiceStringChanged(QString) {}

void ServiceObserver::activeHoursChanged(QString) {}
