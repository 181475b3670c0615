#include "ModelTestSupport.h"
#include "support/TestSandbox.h"

#include "core/SettingsSubject.h"
#include "model/ClockObserver.h"
#include "model/ClockSubject.h"
#include "model/RclMxTimeSubject.h"

#include <QSettings>
#include <QtTest>

#include <memory>

namespace {
class ClockRecorder : public ClockObserver {
public:
    using ClockObserver::ClockObserver;
    void clockChanged(long t) override { times.append(t); }
    void clockStringChanged(QString s) override { texts.append(s); }
    QVector<long> times;
    QStringList texts;
};

// The clock's own notification follows the settings' or the controller
// time's queued notification, so two passes are needed.
void pump()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

constexpr unsigned int TimeIndex = 0x23B0;
}

class ClockTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        sandbox.reset(new TestSandbox);
        sandbox->writeStub(QStringLiteral("sync"), "exit 0\n");
        settings.reset(new QSettings(sandbox->path() + QStringLiteral("/settings.ini"), QSettings::IniFormat));
        settingsSubject.reset(new SettingsSubject(settings.get()));
        can.reset(new ModelTestCan);
        mpdo.reset(new MpdoSubject(can.get()));
        time.reset(new RclMxTimeSubject(mpdo.get()));
    }
    void cleanup()
    {
        clock.reset();
        time.reset();
        mpdo.reset();
        can.reset();
        settingsSubject.reset();
        settings.reset();
        sandbox.reset();
    }

    void textBeforeControllerTime()
    {
        settingsSubject->setClockTimeOffset(-3600);
        makeClock();
        QCOMPARE(clock->getClockString(), QStringLiteral("--:--"));
        QCOMPARE(clock->getTime(), -3600L);
    }

    void clockTexts_data()
    {
        QTest::addColumn<long>("controllerTime");
        QTest::addColumn<long>("offset");
        QTest::addColumn<QString>("h24");
        QTest::addColumn<QString>("h12");
        QTest::newRow("epoch plus an hour") << 0L << 3600L << "01:00" << "01:00am";
        QTest::newRow("midnight") << 1700006400L << 0L << "00:00" << "12:00am";
        QTest::newRow("noon") << 1700006400L + 12 * 3600 + 30 * 60 << 0L << "12:30" << "12:30pm";
        QTest::newRow("one pm") << 1700006400L + 13 * 3600 << 0L << "13:00" << "01:00pm";
        QTest::newRow("evening") << 1700006400L + 19 * 3600 + 5 * 60 << 0L << "19:05" << "07:05pm";
        QTest::newRow("morning via offset") << 1700006400L << 7 * 3600L + 300 << "07:05" << "07:05am";
        QTest::newRow("negative offset into the previous day") << 1700006400L << -60L << "23:59" << "11:59pm";
    }
    void clockTexts()
    {
        QFETCH(long, controllerTime);
        QFETCH(long, offset);
        QFETCH(QString, h24);
        QFETCH(QString, h12);
        settingsSubject->setClockTimeOffset(offset);
        makeClock();
        clock->rclTimeChanged(controllerTime);
        QCOMPARE(clock->getClockString(), h24);
        clock->clockTypeChanged(CLOCK_12H);
        QCOMPARE(clock->getClockString(), h12);
    }

    void offsetWraps_data()
    {
        QTest::addColumn<long>("start");
        QTest::addColumn<bool>("hour");
        QTest::addColumn<long>("expected");
        QTest::newRow("hour at 23:00") << 82800L << true << 0L;
        QTest::newRow("minute at 23:59") << 86340L << false << 0L;
        QTest::newRow("hour from -1h") << -3600L << true << 0L;
        QTest::newRow("hour from -23:30 stays negative") << -84600L << true << -81000L;
        QTest::newRow("minute at 0") << 0L << false << 60L;
    }
    void offsetWraps()
    {
        QFETCH(long, start);
        QFETCH(bool, hour);
        QFETCH(long, expected);
        settingsSubject->setClockTimeOffset(start);
        makeClock();
        ClockRecorder observer(clock.get());
        if (hour)
            observer.addHour();
        else
            observer.addMin();
        QCOMPARE(clock->getOffset(), expected);
        // The correction is kept in the settings and written to the file.
        QCOMPARE(settingsSubject->getClockTimeOffset(), expected);
        QSettings reread(settings->fileName(), QSettings::IniFormat);
        QCOMPARE(long(int(reread.value(QStringLiteral("Clock/offset")).toUInt())), expected);
    }

    void controllerTimeAttachedWithFirstObserver()
    {
        makeClock();
        QCOMPARE(time->getNumberOfAttachedObservers(), 0);
        ClockRecorder observer(clock.get());
        observer.attach();
        QCOMPARE(time->getNumberOfAttachedObservers(), 1);
        QVERIFY(observer.times.isEmpty()); // time 0: nothing to report

        deliver(mpdo.get(), TimeIndex, 0, 1700006400 + 19 * 3600 + 5 * 60);
        QVERIFY(observer.texts.isEmpty()); // queued
        pump();
        QCOMPARE(observer.texts.last(), QStringLiteral("19:05"));

        // A type change reaches the text at once, through the settings.
        settingsSubject->setClockType(CLOCK_12H);
        pump();
        QCOMPARE(observer.texts.last(), QStringLiteral("07:05pm"));

        time->minuteTick();
        pump();
        QCOMPARE(observer.texts.last(), QStringLiteral("07:06pm"));

        observer.detach();
        QCOMPARE(time->getNumberOfAttachedObservers(), 0);
    }

    void timeExactlyZeroReportsNothing()
    {
        makeClock();
        ClockRecorder observer(clock.get());
        observer.attach();
        clock->rclTimeChanged(0);
        pump();
        QVERIFY(observer.times.isEmpty());
        QVERIFY(observer.texts.isEmpty());
        clock->clockTimeOffsetChanged(60);
        pump();
        QCOMPARE(observer.texts, QStringList({"00:01"}));
    }

private:
    void makeClock() { clock.reset(new ClockSubject(time.get(), settingsSubject.get())); }

    std::unique_ptr<TestSandbox> sandbox;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<SettingsSubject> settingsSubject;
    std::unique_ptr<ModelTestCan> can;
    std::unique_ptr<MpdoSubject> mpdo;
    std::unique_ptr<RclMxTimeSubject> time;
    std::unique_ptr<ClockSubject> clock;
};

QTEST_GUILESS_MAIN(ClockTest)
#include "clocktest.moc"
