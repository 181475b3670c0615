#include "core/SettingsObserver.h"
#include "core/SettingsSubject.h"

#include "support/TestSandbox.h"

#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QtTest>

#include <limits>
#include <memory>

namespace {

// Counts raw notifications of the subject.
class Counter : public Observer {
public:
    explicit Counter(Subject* s)
        : Observer(s)
    {
        s->attach(this);
    }
    virtual ~Counter() { subject->detach(this); }
    void attach() override {}
    void detach() override {}
    void update() override { ++updates; }
    int updates = 0;
};

// Logs every callback as "name=value".
class Log : public SettingsObserver {
public:
    using SettingsObserver::SettingsObserver;
    void weightUnittypeChanged(unit_t t) override { add("weight", t); }
    void tempratureUnittypeChanged(unit_t t) override { add("temp", t); }
    void evsUnittypeChanged(unit_t t) override { add("evs", t); }
    void ledPanelTypeChanged(ledPanelType_t t) override { add("led", t); }
    void backlightStrengthChanged(unsigned char s) override { add("strength", s); }
    void backlightAutoChanged(bool a) override { add("auto", a); }
    void clockTypeChanged(clocktype_t t) override { add("clock", t); }
    void clockTimeOffsetChanged(long o) override { add("offset", o); }
    void languageChanged(int l) override { add("language", l); }
    QStringList calls;

private:
    void add(const char* name, long long v) { calls.append(QStringLiteral("%1=%2").arg(QLatin1String(name)).arg(v)); }
};

} // namespace

class SettingsSubjectTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TestSandbox> sandbox;
    QString file;

    std::unique_ptr<QSettings> openSettings() { return std::make_unique<QSettings>(file, QSettings::IniFormat); }

    QString stored(const QString& key)
    {
        QSettings fresh(file, QSettings::IniFormat);
        return fresh.value(key).toString();
    }

    // A "sync" that records each start and, while the hold file exists, keeps running.
    QString installSyncStub()
    {
        const QString log = sandbox->path() + QStringLiteral("/sync.log");
        const QString hold = sandbox->path() + QStringLiteral("/hold");
        sandbox->writeStub(QStringLiteral("sync"),
                           QStringLiteral("echo run >> '%1'\nn=0\nwhile [ -e '%2' ] && [ $n -lt 400 ]; do sleep 0.05; "
                                          "n=$((n+1)); done\n")
                               .arg(log, hold)
                               .toUtf8());
        return log;
    }

    int syncRuns() { return TestSandbox::readFile(sandbox->path() + QStringLiteral("/sync.log")).count("run"); }

private slots:
    void init()
    {
        sandbox = std::make_unique<TestSandbox>();
        QVERIFY(sandbox->isValid());
        file = sandbox->path() + QStringLiteral("/settings/nordel.conf");
        installSyncStub();
    }

    void cleanup() { sandbox.reset(); }

    void defaultsWithoutFile()
    {
        auto settings = openSettings();
        SettingsSubject s(settings.get());
        QCOMPARE(s.getWeightUnitType(), UNIT_KG);
        QCOMPARE(s.getTempUnitType(), UNIT_CELSIUS);
        QCOMPARE(s.getEvsUnitType(), UNIT_PERCENT);
        QCOMPARE(s.getLedPanelType(), LEDPANEL_FUNCTION);
        QCOMPARE(s.getClockType(), CLOCK_24H);
        QCOMPARE(s.getClockTimeOffset(), 0L);
        QCOMPARE(int(s.getBacklightStrength()), 100);
        QCOMPARE(s.getBacklightAuto(), true);
        QCOMPARE(s.getSelectedLanguage(), 0);
        QVERIFY(!QFile::exists(file)); // nothing is written at start
    }

    void outOfRangeValuesAreCorrectedInMemoryOnly()
    {
        sandbox->writeFile(file, "[PreferedUnitType]\nweight=7\ntemprature=9\nevs=1\n"
                                 "[Backlight]\nstrength=150\nauto=false\n"
                                 "[LedPanel]\nType=6\n[Clock]\ntype=0\n[Language]\nselectedLanguage=4\n");
        auto settings = openSettings();
        SettingsSubject s(settings.get());
        QCOMPARE(s.getWeightUnitType(), UNIT_KG);
        QCOMPARE(s.getTempUnitType(), UNIT_CELSIUS);
        QCOMPARE(s.getEvsUnitType(), UNIT_PERCENT);
        QCOMPARE(int(s.getBacklightStrength()), 100);
        QCOMPARE(s.getBacklightAuto(), false);
        QCOMPARE(unsigned(s.getLedPanelType()), 6u); // not validated
        QCOMPARE(s.getClockType(), CLOCK_12H);
        QCOMPARE(s.getSelectedLanguage(), 4);
        QCOMPARE(stored(QStringLiteral("PreferedUnitType/weight")), QStringLiteral("7"));
        QCOMPARE(stored(QStringLiteral("Backlight/strength")), QStringLiteral("150"));

        s.setWeightUnitType(UNIT_LB);
        QCOMPARE(stored(QStringLiteral("PreferedUnitType/weight")), QStringLiteral("1"));
        QCOMPARE(stored(QStringLiteral("Backlight/strength")), QStringLiteral("150"));
    }

    void unreadableValuesTakeDefaults()
    {
        // 300 must not wrap to 44 on its way into a byte.
        sandbox->writeFile(file, "[PreferedUnitType]\nweight=kg\nevs=5\n[Backlight]\nstrength=300\n"
                                 "[Clock]\noffset=abc\ntype=x\n[Language]\nselectedLanguage=fr\n");
        auto settings = openSettings();
        SettingsSubject s(settings.get());
        QCOMPARE(s.getWeightUnitType(), UNIT_KG);
        QCOMPARE(s.getEvsUnitType(), UNIT_DEGREES);
        QCOMPARE(int(s.getBacklightStrength()), 100);
        QCOMPARE(s.getClockTimeOffset(), 0L);
        QCOMPARE(s.getClockType(), CLOCK_24H);
        QCOMPARE(s.getSelectedLanguage(), 0);
    }

    void clockOffsetRoundTrip_data()
    {
        QTest::addColumn<qlonglong>("offset");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qlonglong>("reread");
        QTest::newRow("minus one hour") << -3600LL << QStringLiteral("4294963696") << -3600LL;
        QTest::newRow("plus one hour") << 3600LL << QStringLiteral("3600") << 3600LL;
        QTest::newRow("most negative") << -2147483648LL << QStringLiteral("2147483648") << -2147483648LL;
        // Where long has 64 bits its extremes lie beyond the stored 32 bits and
        // are clamped; where it has 32 bits (the unit) they are stored as they are.
        QTest::newRow("beyond 32 bits") << qlonglong(std::numeric_limits<long>::max())
                                        << QStringLiteral("2147483647") << 2147483647LL;
        QTest::newRow("beyond 32 bits, negative") << qlonglong(std::numeric_limits<long>::min())
                                                  << QStringLiteral("2147483648") << -2147483648LL;
    }

    void clockOffsetRoundTrip()
    {
        QFETCH(qlonglong, offset);
        QFETCH(QString, text);
        QFETCH(qlonglong, reread);
        {
            auto settings = openSettings();
            SettingsSubject s(settings.get());
            s.setClockTimeOffset(static_cast<long>(offset));
            QCOMPARE(static_cast<qlonglong>(s.getClockTimeOffset()), reread);
        }
        QCOMPARE(stored(QStringLiteral("Clock/offset")), text);
        auto settings = openSettings();
        SettingsSubject again(settings.get());
        QCOMPARE(static_cast<qlonglong>(again.getClockTimeOffset()), reread);
    }

    void repeatedValueWritesAndNotifiesOnce()
    {
        auto settings = openSettings();
        SettingsSubject s(settings.get());
        Counter c(&s);
        s.setSelectedLanguage(3);
        QCOMPARE(c.updates, 0); // queued, never synchronous
        QCOMPARE(stored(QStringLiteral("Language/selectedLanguage")), QStringLiteral("3"));

        // A second write would bring the removed file back.
        QVERIFY(QFile::remove(file));
        s.setSelectedLanguage(3);
        QTRY_COMPARE(c.updates, 1);
        QTest::qWait(20);
        QCOMPARE(c.updates, 1);
        QVERIFY(!QFile::exists(file));
    }

    void temperatureSwitchNotifiesOnce()
    {
        auto settings = openSettings();
        SettingsSubject s(settings.get());
        Log log(&s);
        s.setTempUnitType(UNIT_FAHRENHEIT);
        s.setTempUnitType(UNIT_FAHRENHEIT);
        QVERIFY(log.calls.isEmpty());
        QTRY_COMPARE(log.calls, QStringList {QStringLiteral("temp=3")});
        QTest::qWait(20);
        QCOMPARE(log.calls.size(), 1);
        QCOMPARE(stored(QStringLiteral("PreferedUnitType/temprature")), QStringLiteral("3"));
    }

    void observerCachesAndCommands()
    {
        auto settings = openSettings();
        SettingsSubject s(settings.get());
        Log log(&s);
        QVERIFY(log.calls.isEmpty()); // construction reports nothing

        log.setWeightUnittype(UNIT_LB);
        log.setEvsUnittype(UNIT_DEGREES);
        log.setLedpanelType(LEDPANEL_BAR);
        log.setBacklightStrength(40);
        log.setBacklightAuto(false);
        log.setClockType(CLOCK_12H);
        log.setClockTimeOffset(-60);
        log.setLanguage(2);
        log.setTempratureUnittype(UNIT_FAHRENHEIT);
        // One pass per notify, but the caches report each change once, in slot order.
        QTRY_COMPARE(log.calls.size(), 9);
        QTest::qWait(20);
        QCOMPARE(log.calls,
                 (QStringList {"weight=1", "temp=3", "evs=5", "led=0", "strength=40", "auto=0", "clock=0",
                               "offset=-60", "language=2"}));

        log.calls.clear();
        log.detach();
        log.attach();
        QCOMPARE(log.calls,
                 (QStringList {"weight=1", "temp=3", "evs=5", "led=0", "strength=40", "auto=0", "clock=0",
                               "offset=-60", "language=2"}));
        QCOMPARE(s.getNumberOfAttachedObservers(), 1);
    }

    void observerWithoutSubjectDoesNothing()
    {
        Log log(nullptr);
        log.attach();
        log.update();
        log.setLanguage(3);
        QVERIFY(log.calls.isEmpty());
    }

    void flushProcessNeverRunsTwice()
    {
        const QString hold = sandbox->writeFile(sandbox->path() + QStringLiteral("/hold"), "");
        auto settings = openSettings();
        SettingsSubject s(settings.get());
        s.setSelectedLanguage(1);
        QTRY_COMPARE(syncRuns(), 1);
        s.setSelectedLanguage(2);
        s.setBacklightAuto(false);
        QCOMPARE(s.flushProcess()->state(), QProcess::Running);

        QFile::remove(hold);
        QTRY_COMPARE(s.flushProcess()->state(), QProcess::NotRunning);
        QCOMPARE(syncRuns(), 1);
        s.setSelectedLanguage(3);
        QTRY_COMPARE(syncRuns(), 2);
        QTRY_COMPARE(s.flushProcess()->state(), QProcess::NotRunning);
    }

    void missingFlushProgramIsIgnored()
    {
        qputenv("PATH", QFile::encodeName(sandbox->path() + QStringLiteral("/nothing-here")));
        auto settings = openSettings();
        SettingsSubject s(settings.get());
        s.setWeightUnitType(UNIT_LB);
        QCOMPARE(s.getWeightUnitType(), UNIT_LB);
        QCOMPARE(stored(QStringLiteral("PreferedUnitType/weight")), QStringLiteral("1"));
        QCOMPARE(s.flushProcess()->state(), QProcess::NotRunning);
    }

    void staleLockIsRemovedAtStart()
    {
        // A lock owned by a process that no longer exists.
        QProcess gone;
        gone.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exit 0")});
        QVERIFY(gone.waitForStarted(10000));
        const qint64 deadPid = gone.processId();
        QVERIFY(gone.waitForFinished(10000));
        const QString lock = file + QStringLiteral(".lock");
        sandbox->writeFile(lock, QByteArray::number(deadPid) + "\nnordel\n\n");
        sandbox->writeFile(file, "[Language]\nselectedLanguage=5\n");

        auto settings = openSettings();
        SettingsSubject s(settings.get());
        QVERIFY(!QFile::exists(lock));
        QCOMPARE(s.getSelectedLanguage(), 5);
        s.setSelectedLanguage(6);
        QCOMPARE(stored(QStringLiteral("Language/selectedLanguage")), QStringLiteral("6"));
    }

    void liveLockOfAnotherProcessIsKept()
    {
        QLockFile other(file + QStringLiteral(".lock"));
        sandbox->writeFile(file, "");
        QVERIFY(other.tryLock(0));
        auto settings = openSettings();
        SettingsSubject s(settings.get());
        QVERIFY(QFile::exists(file + QStringLiteral(".lock")));
        other.unlock();
    }
};

QTEST_MAIN(SettingsSubjectTest)
#include "settingssubjecttest.moc"
