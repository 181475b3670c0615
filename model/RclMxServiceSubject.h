#pragma once

#include "can/MpdoObserver.h"
#include "model/ServiceSubject.h"

// Service counters from the controller, which reports them in seconds.
// Subscribed only while someone observes it.
class RclMxServiceSubject : public MpdoObserver, public ServiceSubject {
public:
    explicit RclMxServiceSubject(MpdoSubject* mpdo);
    ~RclMxServiceSubject() override;

    using MpdoObserver::attach;
    using MpdoObserver::detach;
    void attach(Observer* o) override;
    void detach(Observer* o) override;

    int getOperationHoursToService() override;
    // An overdue service (negative days) reads as 0; -1 stays "unknown".
    int getDaysToNextPlannedService() override;
    int getOperationHoursToOilChange() override;
    int getActiveHours() override;

    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;

private:
    int hoursToService = -1;
    int daysToPlannedService = -1;
    int hoursToOilChange = -1;
    int activeHours = -1;
};
