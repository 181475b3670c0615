#include "model/RovA7OilTempAvailableSubject.h"

#include <QSettings>

namespace {
const char* const SettingKey = "OilTemp/Available";
}

RovA7OilTempAvailableSubject::RovA7OilTempAvailableSubject(QSettings* settings, MpdoSubject* mpdo)
    : MpdoObserver(mpdo)
    , settings(settings)
{
    if (settings)
        available = settings->value(QLatin1String(SettingKey), false).toBool();
    subscribe(EntryIndex, 0);
}

void RovA7OilTempAvailableSubject::newValue(unsigned int, unsigned char, unsigned int value)
{
    // The equipment does not change while the crane runs: one answer is enough.
    if (received)
        return;
    received = true;
    unsubscribe(EntryIndex, 0);
    const bool now = (value & 1u) != 0;
    if (now != available) {
        available = now;
        // Written only on a change: every write rewrites the whole file.
        if (settings)
            settings->setValue(QLatin1String(SettingKey), now);
    }
    notify();
}
