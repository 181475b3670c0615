#include "model/RclMxIpCameraSubject.h"

#include <QSettings>

namespace {
const char* const SettingKey = "rclIpCamera/enabled";
}

RclMxIpCameraSubject::RclMxIpCameraSubject(MpdoSubject* mpdo, QSettings* settings)
    : MpdoObserver(mpdo)
    , settings(settings)
{
    if (settings)
        enabled = settings->value(QLatin1String(SettingKey), false).toBool();
    subscribe(EntryIndex, 0);
}

void RclMxIpCameraSubject::newValue(unsigned int, unsigned char, unsigned int value)
{
    // The equipment does not change while the crane runs: one answer is enough.
    if (received)
        return;
    received = true;
    unsubscribe(EntryIndex, 0);
    const bool now = value != 0;
    if (now != enabled) {
        enabled = now;
        // Written only on a change: every write rewrites the whole file.
        if (settings)
            settings->setValue(QLatin1String(SettingKey), now);
    }
    notify();
}
