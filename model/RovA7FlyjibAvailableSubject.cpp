#include "model/RovA7FlyjibAvailableSubject.h"

#include <QSettings>

namespace {
const char* const SettingKey = "Flyjib/Available";
}

RovA7FlyjibAvailableSubject::RovA7FlyjibAvailableSubject(QSettings* settings, MpdoSubject* mpdo)
    : MpdoObserver(mpdo)
    , settings(settings)
{
    if (settings)
        available = settings->value(QLatin1String(SettingKey), false).toBool();
}

void RovA7FlyjibAvailableSubject::attach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::attach(o);
    if (before == 0 && getNumberOfAttachedObservers() == 1)
        subscribe(EntryIndex, 0);
}

void RovA7FlyjibAvailableSubject::detach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::detach(o);
    if (before > 0 && getNumberOfAttachedObservers() == 0)
        unsubscribe(EntryIndex, 0);
}

void RovA7FlyjibAvailableSubject::newValue(unsigned int, unsigned char, unsigned int value)
{
    const bool now = ((value >> 20) & 1u) != 0;
    if (now != available) {
        available = now;
        // Written only on a change: every write rewrites the whole file.
        if (settings)
            settings->setValue(QLatin1String(SettingKey), now);
    }
    notify();
}
