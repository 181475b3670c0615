#include "model/RovA7WinchAvailableSubject.h"

#include <QSettings>

namespace {
const char* const SettingKey = "winch/Available";
}

RovA7WinchAvailableSubject::RovA7WinchAvailableSubject(QSettings* settings, MpdoSubject* mpdo)
    : MpdoObserver(mpdo)
    , settings(settings)
{
    if (settings)
        available = settings->value(QLatin1String(SettingKey), false).toBool();
}

void RovA7WinchAvailableSubject::attach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::attach(o);
    if (before == 0 && getNumberOfAttachedObservers() == 1)
        subscribe(EntryIndex, 0);
}

void RovA7WinchAvailableSubject::detach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::detach(o);
    if (before > 0 && getNumberOfAttachedObservers() == 0)
        unsubscribe(EntryIndex, 0);
}

void RovA7WinchAvailableSubject::newValue(unsigned int, unsigned char, unsigned int value)
{
    const bool now = ((value >> 21) & 1u) != 0;
    if (now != available) {
        available = now;
        // Written only on a change: every write rewrites the whole file.
        if (settings)
            settings->setValue(QLatin1String(SettingKey), now);
    }
    notify();
}
