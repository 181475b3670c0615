#pragma once

#include "core/Observer.h"

#include <QString>

class ServiceSubject;

// Adapter of the service counters; hands them out as display texts, "--"
// while a counter is unknown.
class ServiceObserver : public Observer {
public:
    explicit ServiceObserver(ServiceSubject* s);
    virtual ~ServiceObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void opearionHoursToNextServiceStringChanged(QString text);
    virtual void opearionHoursToNextOilServiceStringChanged(QString text);
    virtual void daysToNextPlannedServiceStringChanged(QString text);
    virtual void activeHoursChanged(QString text);

protected:
    int hoursToService = -1;
    int daysToPlannedService = -1;
    int hoursToOilChange = -1;
    int activeHours = -1;
};
