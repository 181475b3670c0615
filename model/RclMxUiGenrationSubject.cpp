#include "model/RclMxUiGenrationSubject.h"

#include <QSettings>

namespace {
const char* const SettingKey = "uiGeneration/uiGeneraion";
}

RclMxUiGenrationSubject::RclMxUiGenrationSubject(MpdoSubject* mpdo, QSettings* settings)
    : MpdoObserver(mpdo)
    , settings(settings)
{
    if (!settings)
        return;
    bool ok = false;
    const uint stored = settings->value(QLatin1String(SettingKey), uint(UI_GEN3)).toUInt(&ok);
    // A damaged file must not select an image set that does not exist.
    if (ok && stored <= uint(UI_GEN3))
        generation = static_cast<uiGenerations_t>(stored);
}

void RclMxUiGenrationSubject::attach(Observer* o)
{
    Subject::attach(o);
    if (!received)
        subscribe(EntryIndex, 0);
}

void RclMxUiGenrationSubject::newValue(unsigned int, unsigned char, unsigned int value)
{
    if (received)
        return;
    received = true;
    unsubscribe(EntryIndex, 0);
    if (value <= uint(UI_GEN3)) {
        generation = static_cast<uiGenerations_t>(value);
        if (settings)
            settings->setValue(QLatin1String(SettingKey), value);
    }
    notify();
}
