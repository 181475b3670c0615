// Random settings files into the settings store: loading, validation, the
// stale-lock removal and an observer taking all values over.
#include "FuzzEnvironment.h"
#include "FuzzInput.h"

#include "core/SettingsObserver.h"
#include "core/SettingsSubject.h"
#include "support/TestSandbox.h"

#include <QFile>
#include <QSettings>
#include <QString>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzEnvironment::init(false);
    FuzzInput in(data, size);
    const uint8_t flags = in.byte();
    const QString file = FuzzEnvironment::sandbox().path() + QStringLiteral("/settings.conf");
    // Half the inputs also leave a lock file behind, with random contents.
    const QByteArray lock = in.bytes(flags & 0x1 ? in.byte() : 0);
    FuzzEnvironment::sandbox().writeFile(file, in.rest());
    if (flags & 0x1)
        FuzzEnvironment::sandbox().writeFile(file + QStringLiteral(".lock"), lock);
    else
        QFile::remove(file + QStringLiteral(".lock"));

    QSettings settings(file, QSettings::IniFormat);
    SettingsSubject subject(&settings);
    SettingsObserver observer(&subject);
    observer.attach();
    volatile long sink = subject.getWeightUnitType() + subject.getTempUnitType() + subject.getEvsUnitType()
        + subject.getLedPanelType() + subject.getClockType() + subject.getClockTimeOffset()
        + subject.getBacklightStrength() + subject.getBacklightAuto() + subject.getSelectedLanguage();
    (void)sink;
    return 0;
}
