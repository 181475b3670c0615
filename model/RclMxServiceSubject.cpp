#include "RclMxServiceSubject.h"

#include <QtGlobal>

namespace {
constexpr unsigned int HoursToServiceIndex = 0x27B3;
constexpr unsigned int HoursToOilChangeIndex = 0x27B4;
constexpr unsigned int DaysToPlannedServiceIndex = 0x27B8;
constexpr unsigned int ActiveHoursIndex = 0x26A6;
}

RclMxServiceSubject::RclMxServiceSubject(MpdoSubject* mpdo)
    : MpdoObserver(mpdo)
    , ServiceSubject(nullptr)
{
}

RclMxServiceSubject::~RclMxServiceSubject() = default;

void RclMxServiceSubject::attach(Observer* o)
{
    Subject::attach(o);
    if (getNumberOfAttachedObservers() == 1) {
        subscribe(HoursToServiceIndex, 0);
        subscribe(HoursToOilChangeIndex, 0);
        subscribe(DaysToPlannedServiceIndex, 0);
        subscribe(ActiveHoursIndex, 0);
    }
}

void RclMxServiceSubject::detach(Observer* o)
{
    Subject::detach(o);
    if (getNumberOfAttachedObservers() == 0) {
        unsubscribe(HoursToServiceIndex, 0);
        unsubscribe(HoursToOilChangeIndex, 0);
        unsubscribe(DaysToPlannedServiceIndex, 0);
        unsubscribe(ActiveHoursIndex, 0);
    }
}

int RclMxServiceSubject::getOperationHoursToService()
{
    return hoursToService;
}

int RclMxServiceSubject::getDaysToNextPlannedService()
{
    if (daysToPlannedService < -1)
        return 0;
    return daysToPlannedService;
}

int RclMxServiceSubject::getOperationHoursToOilChange()
{
    return hoursToOilChange;
}

int RclMxServiceSubject::getActiveHours()
{
    return activeHours;
}

void RclMxServiceSubject::newValue(unsigned int index, unsigned char subIndex, unsigned int value)
{
    if (subIndex == 0) {
        switch (index) {
        case HoursToServiceIndex:
            hoursToService = qRound(value / 3600.0);
            break;
        case HoursToOilChangeIndex:
            hoursToOilChange = qRound(value / 3600.0);
            break;
        case DaysToPlannedServiceIndex:
            daysToPlannedService = qRound(static_cast<int>(value) / 86400.0);
            break;
        case ActiveHoursIndex:
            // Whole hours completed, not the nearest hour.
            activeHours = qRound((static_cast<double>(value) - 1800.0) / 3600.0);
            break;
        default:
            break;
        }
    }
    notify();
}
