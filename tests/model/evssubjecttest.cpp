#include "StabilityTestSupport.h"

#include "core/SettingsSubject.h"
#include "model/EvsObserver.h"
#include "model/RCLMxEvsSubject.h"
#include "model/RclInfoSubject.h"
#include "support/TestSandbox.h"

#include <QSettings>
#include <QStringList>
#include <QtTest>

#include <memory>

namespace {

// Controller identity whose display driver version a test sets by hand.
class FakeRclInfo : public RclInfoSubject {
public:
    unsigned int getRclSerialNumber() override { return 1234; }
    int getRclDriverVersion() override { return version; }
    void setVersion(int v)
    {
        version = v;
        notify();
    }
    int version = -1;
};

class EvsRecorder : public EvsObserver {
public:
    using EvsObserver::EvsObserver;
    void evsXpctChanged(float v, bool valid) override { calls << QStringLiteral("xpct=%1/%2").arg(double(v)).arg(valid); }
    void evsYpctChanged(float v, bool valid) override { calls << QStringLiteral("ypct=%1/%2").arg(double(v)).arg(valid); }
    void evsXdegreeChanged(float v, bool valid) override { calls << QStringLiteral("xdeg=%1/%2").arg(double(v)).arg(valid); }
    void evsYdegreeChanged(float v, bool valid) override { calls << QStringLiteral("ydeg=%1/%2").arg(double(v)).arg(valid); }
    void evsCalibrationLevelChanged(bool valid) override { calls << QStringLiteral("cal/%1").arg(valid); }
    QStringList calls;
};

} // namespace

class EvsSubjectTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TestSandbox> sandbox;
    std::unique_ptr<QSettings> qsettings;
    std::unique_ptr<StabilityTestCan> can;
    std::unique_ptr<MpdoSubject> mpdo;
    std::unique_ptr<SettingsSubject> settings;
    std::unique_ptr<FakeRclInfo> info;
    std::unique_ptr<RCLMxEvsSubject> evs;

    void feed(unsigned int index, unsigned int value)
    {
        const canMessage m = stabilityMpdoFrame(index, value);
        mpdo->newCanMessage(&m);
    }
    bool subscribed(unsigned int index) { return mpdo->getMpdoEntry(index, 0) != nullptr; }
    static void deliver() { QCoreApplication::processEvents(); }

    // Builds the EVS subject with the given stored EVS unit.
    void build(unsigned int unit)
    {
        qsettings->setValue("PreferedUnitType/evs", unit);
        settings.reset(new SettingsSubject(qsettings.get()));
        evs.reset(new RCLMxEvsSubject(mpdo.get(), settings.get(), info.get()));
    }

private slots:
    void init()
    {
        sandbox.reset(new TestSandbox);
        sandbox->writeStub("sync", "exit 0\n");
        qsettings.reset(new QSettings(sandbox->path() + "/settings.ini", QSettings::IniFormat));
        can.reset(new StabilityTestCan);
        mpdo.reset(new MpdoSubject(can.get()));
        mpdo->syncMpdoList();
        info.reset(new FakeRclInfo);
    }

    void cleanup()
    {
        deliver();
        evs.reset();
        settings.reset();
        info.reset();
        mpdo.reset();
        can.reset();
        qsettings.reset();
        sandbox.reset();
    }

    void subscribesWithFirstObserverAndClearsValidWithLast()
    {
        build(UNIT_DEGREES);
        QVERIFY(!subscribed(0x48E8));
        EvsRecorder o(evs.get());
        o.attach();
        for (unsigned int index : {0x48E8u, 0x48E9u, 0x6014u, 0x48F0u})
            QVERIFY2(subscribed(index), qPrintable(QString::number(index, 16)));
        QCOMPARE(info->getNumberOfAttachedObservers(), 1);
        QCOMPARE(o.getEvsXString(), QStringLiteral("-"));
        QCOMPARE(o.getCalibrationLevelString(), QStringLiteral("-"));

        feed(0x48E8, 0xFE0C01F4);
        QVERIFY(evs->isEvsValid());
        o.detach();
        QVERIFY(!subscribed(0x48E8));
        QVERIFY(!subscribed(0x48F0));
        QCOMPARE(info->getNumberOfAttachedObservers(), 0);
        QVERIFY(!evs->isEvsValid());
        QCOMPARE(evs->getEvsXdegress(), 0.0f);
    }

    void degreesDecodeSignedHundredths()
    {
        build(UNIT_DEGREES);
        EvsRecorder o(evs.get());
        o.attach();
        o.calls.clear();
        feed(0x48E8, 0xFE0C01F4);
        QVERIFY(o.calls.isEmpty());
        deliver();
        QCOMPARE(evs->getEvsXdegress(), 5.0f);
        QCOMPARE(evs->getEvsYdegress(), -5.0f);
        // Validity flipped, so everything was reported at once, in slot order.
        QCOMPARE(o.calls, (QStringList {"xpct=0/1", "ypct=0/1", "xdeg=5/1", "ydeg=-5/1", "cal/1"}));
        QCOMPARE(o.getEvsXString(), QStringLiteral("5.00°"));
        QCOMPARE(o.getEvsYString(), QStringLiteral("5.00°"));
        QCOMPARE(o.getCalibrationLevelString(), QStringLiteral("0%"));
    }

    void percentTextIsCappedAt999_data()
    {
        QTest::addColumn<unsigned int>("value");
        QTest::addColumn<QString>("xText");
        QTest::newRow("1000 reaches the cap") << 0x000003E8u << QStringLiteral("999%");
        QTest::newRow("999") << 999u << QStringLiteral("999%");
        QTest::newRow("998") << 998u << QStringLiteral("998%");
        QTest::newRow("-1000 unsigned and capped") << 0x0000FC18u << QStringLiteral("999%");
        QTest::newRow("-12") << 0x0000FFF4u << QStringLiteral("12%");
        QTest::newRow("0") << 0u << QStringLiteral("0%");
    }
    void percentTextIsCappedAt999()
    {
        QFETCH(unsigned int, value);
        QFETCH(QString, xText);
        build(UNIT_PERCENT);
        EvsObserver o(evs.get());
        o.attach();
        feed(0x48E9, value);
        deliver();
        QCOMPARE(o.getEvsXString(), xText);
        QCOMPARE(o.getEvsYString(), QStringLiteral("0%"));
    }

    void reportsOneChangePerNotification()
    {
        build(UNIT_PERCENT);
        EvsRecorder o(evs.get());
        o.attach();
        feed(0x48E9, 0x00020001);
        deliver();
        o.calls.clear();

        // X and Y percent both change, but one notification reports only X.
        evs->newValue(0x48E9, 0, 0x00040003);
        deliver();
        QCOMPARE(o.calls, (QStringList {"xpct=3/1"}));
        QCOMPARE(o.getEvsYString(), QStringLiteral("2%"));
        evs->notify();
        deliver();
        QCOMPARE(o.calls, (QStringList {"xpct=3/1", "ypct=4/1"}));
        QCOMPARE(o.getEvsYString(), QStringLiteral("4%"));
    }

    void unitChangeShowsWithTheNextChangedValue()
    {
        build(UNIT_PERCENT);
        EvsObserver o(evs.get());
        o.attach();
        feed(0x48E9, 12);
        feed(0x48E8, 0x00000064);
        deliver();
        deliver();
        QCOMPARE(o.getEvsXString(), QStringLiteral("12%"));

        settings->setEvsUnitType(UNIT_DEGREES);
        deliver();
        deliver();
        QCOMPARE(evs->getEvsUnitType(), UNIT_DEGREES);
        QCOMPARE(o.getEvsXString(), QStringLiteral("12%"));

        feed(0x48E8, 0x000000C8); // X 2.00°
        deliver();
        QCOMPARE(o.getEvsXString(), QStringLiteral("2.00°"));
    }

    void calibrationEntryFollowsDriverVersion_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<float>("level");
        QTest::addColumn<QString>("text");
        QTest::newRow("version 3 uses 0x6014") << 3 << 77.0f << QStringLiteral("77%");
        QTest::newRow("version 2 uses 0x48F0") << 2 << 55.0f << QStringLiteral("55%");
        QTest::newRow("unknown version uses 0x48F0") << -1 << 55.0f << QStringLiteral("55%");
    }
    void calibrationEntryFollowsDriverVersion()
    {
        QFETCH(int, version);
        QFETCH(float, level);
        QFETCH(QString, text);
        build(UNIT_PERCENT);
        EvsObserver o(evs.get());
        o.attach();
        info->setVersion(version);
        deliver();
        // Each frame re-delivers both entries; the other one must not win.
        feed(0x6014, 77);
        feed(0x48F0, 55);
        feed(0x6014, 77);
        QCOMPARE(evs->getEvsCalibrationLevel(), level);
        deliver();
        QCOMPARE(o.getCalibrationLevelString(), text);
    }
};

QTEST_GUILESS_MAIN(EvsSubjectTest)
#include "evssubjecttest.moc"
