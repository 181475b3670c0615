#include "model/RovA7RegeneraitonAvailableSubject.h"

#include <QSettings>

namespace {
const char* const SettingKey = "Regeneraiton/Available";
}

RovA7RegeneraitonAvailableSubject::RovA7RegeneraitonAvailableSubject(QSettings* settings, MpdoSubject* mpdo)
    : MpdoObserver(mpdo)
    , settings(settings)
{
    if (settings)
        available = settings->value(QLatin1String(SettingKey), false).toBool();
}

void RovA7RegeneraitonAvailableSubject::attach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::attach(o);
    if (before == 0 && getNumberOfAttachedObservers() == 1)
        subscribe(EntryIndex, 0);
}

void RovA7RegeneraitonAvailableSubject::detach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::detach(o);
    if (before > 0 && getNumberOfAttachedObservers() == 0)
        unsubscribe(EntryIndex, 0);
}

void RovA7RegeneraitonAvailableSubject::newValue(unsigned int, unsigned char, unsigned int value)
{
    const bool now = value != 0;
    if (now != available) {
        available = now;
        // Written only on a change: every write rewrites the whole file.
        if (settings)
            settings->setValue(QLatin1String(SettingKey), now);
    }
    notify();
}
