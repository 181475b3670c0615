#include "model/RclMxEvsAvailableSubject.h"

#include <QSettings>

namespace {
const char* const availableKey = "Inclination/Available";
}

RclMxEvsAvailableSubject::RclMxEvsAvailableSubject(QSettings* s, MpdoSubject* mpdo)
    : MpdoObserver(mpdo)
    , EvsAvailableSubject()
    , settings(s)
{
    if (settings)
        available = settings->value(QString::fromLatin1(availableKey), false).toBool();
}

void RclMxEvsAvailableSubject::attach(Observer* o)
{
    Subject::attach(o);
    if (getNumberOfAttachedObservers() == 1)
        subscribe(AvailableIndex, 0);
}

void RclMxEvsAvailableSubject::detach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::detach(o);
    if (before > 0 && getNumberOfAttachedObservers() == 0)
        unsubscribe(AvailableIndex, 0);
}

void RclMxEvsAvailableSubject::newValue(unsigned int, unsigned char, unsigned int value)
{
    const bool now = value != 0;
    if (now != available) {
        available = now;
        if (settings)
            settings->setValue(QString::fromLatin1(availableKey), available);
    }
    notify();
}
