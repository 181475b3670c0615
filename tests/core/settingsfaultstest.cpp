#include "core/SettingsObserver.h"
#include "core/SettingsSubject.h"

#include "support/TestSandbox.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {
// Remembers what the observer callbacks delivered.
class Seen : public SettingsObserver {
public:
    using SettingsObserver::SettingsObserver;
    void weightUnittypeChanged(unit_t t) override { weight = t; }
    void backlightStrengthChanged(unsigned char v) override { strength = v; }
    unit_t weight = UNIT_KG;
    int strength = -1;
};
} // namespace

// The settings store when its file or folder is damaged: it must come up
// with sane values, keep working in memory and never crash.
class SettingsFaultsTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TestSandbox> sandbox;
    QString file;

    void expectDefaults(SettingsSubject& s)
    {
        QCOMPARE(s.getWeightUnitType(), UNIT_KG);
        QCOMPARE(s.getTempUnitType(), UNIT_CELSIUS);
        QCOMPARE(s.getEvsUnitType(), UNIT_PERCENT);
        QCOMPARE(int(s.getBacklightStrength()), 100);
        QCOMPARE(s.getBacklightAuto(), true);
        QCOMPARE(s.getClockTimeOffset(), 0L);
        QCOMPARE(s.getSelectedLanguage(), 0);
    }

    // Every setter still changes the value in memory and tells observers.
    void expectWorkingInMemory(SettingsSubject& s)
    {
        Seen o(&s);
        s.setWeightUnitType(UNIT_LB);
        s.setBacklightStrength(40);
        s.setClockTimeOffset(-7200);
        s.setSelectedLanguage(3);
        QCOMPARE(s.getWeightUnitType(), UNIT_LB);
        QCOMPARE(int(s.getBacklightStrength()), 40);
        QCOMPARE(s.getClockTimeOffset(), -7200L);
        QCOMPARE(s.getSelectedLanguage(), 3);
        QTRY_COMPARE(o.weight, UNIT_LB);
        QTRY_COMPARE(o.strength, 40);
    }

private slots:
    void init()
    {
        sandbox = std::make_unique<TestSandbox>();
        QVERIFY(sandbox->isValid());
        file = sandbox->path() + QStringLiteral("/settings/nordel.conf");
        sandbox->writeStub(QStringLiteral("sync"), "exit 0\n");
    }

    void cleanup() { sandbox.reset(); }

    void damagedFileContents_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("cut inside a key") << QByteArray("[PreferedUnitType]\nwei");
        QTest::newRow("cut inside a group") << QByteArray("[Backl");
        QTest::newRow("cut after the equals sign") << QByteArray("[Backlight]\nstrength=");
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe[\x01=\x02\n\x80\x81\x00", 12);
        QTest::newRow("huge number") << QByteArray("[Backlight]\nstrength=99999999999999999999999\n"
                                                   "[Clock]\noffset=-99999999999999999999\n");
        QTest::newRow("negative units") << QByteArray("[PreferedUnitType]\nweight=-1\ntemprature=-3\nevs=-5\n");
        QTest::newRow("empty") << QByteArray();
    }

    void damagedFileContents()
    {
        QFETCH(QByteArray, contents);
        sandbox->writeFile(file, contents);
        QSettings settings(file, QSettings::IniFormat);
        SettingsSubject s(&settings);
        expectDefaults(s);
        expectWorkingInMemory(s);
    }

    void unreadableFile()
    {
        // A folder where the file should be: nothing can be read or written.
        QVERIFY(QDir().mkpath(file));
        QSettings settings(file, QSettings::IniFormat);
        SettingsSubject s(&settings);
        expectDefaults(s);
        expectWorkingInMemory(s);
        QVERIFY(QFileInfo(file).isDir());
    }

    void folderNotWritable()
    {
        // A plain file where the settings folder should be: the folder can
        // never be created, whatever the user's rights.
        const QString folder = sandbox->path() + QStringLiteral("/blocked");
        sandbox->writeFile(folder, "not a folder");
        const QString inside = folder + QStringLiteral("/nordel.conf");
        QSettings settings(inside, QSettings::IniFormat);
        SettingsSubject s(&settings);
        expectDefaults(s);
        expectWorkingInMemory(s);
        settings.sync();
        QVERIFY(settings.status() != QSettings::NoError);
        QVERIFY(!QFile::exists(inside));
    }

    void lockLeftBehindWithGarbage()
    {
        // A lock file a cut-off run left half written.
        sandbox->writeFile(file, "[Backlight]\nstrength=55\n");
        sandbox->writeFile(file + QStringLiteral(".lock"), "\x01\x02garbage");
        QSettings settings(file, QSettings::IniFormat);
        SettingsSubject s(&settings);
        QCOMPARE(int(s.getBacklightStrength()), 55);
        s.setBacklightStrength(60);
        QSettings reread(file, QSettings::IniFormat);
        QCOMPARE(reread.value(QStringLiteral("Backlight/strength")).toInt(), 60);
    }
};

QTEST_MAIN(SettingsFaultsTest)
#include "settingsfaultstest.moc"
