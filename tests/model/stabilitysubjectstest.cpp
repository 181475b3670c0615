#include "StabilityTestSupport.h"

#include "model/ActiveStabSideObserver.h"
#include "model/EvsAvailableObserver.h"
#include "model/FrontStabObserver.h"
#include "model/InclinationObserver.h"
#include "model/RclMxEvsAvailableSubject.h"
#include "model/RclMxFrontStabSubject.h"
#include "model/RovA7InclinationSubject.h"
#include "model/RovA7StabIndicationSubject.h"
#include "model/StabIndicationObserver.h"
#include "model/StabilityDecoding.h"
#include "model/rovA7StabActiveSideSubject.h"

#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <limits>
#include <memory>

namespace {

unsigned int floatBits(float f)
{
    unsigned int bits;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}

class InclinationRecorder : public InclinationObserver {
public:
    using InclinationObserver::InclinationObserver;
    void inclinationXdegreeChanged(float d) override { calls << QStringLiteral("x=%1").arg(double(d)); }
    void inclinationYdegreeChanged(float d) override { calls << QStringLiteral("y=%1").arg(double(d)); }
    QStringList calls;
};

class StabRecorder : public StabIndicationObserver {
public:
    using StabIndicationObserver::StabIndicationObserver;
    void stabEnabledChanged(stab_t s, bool on) override { calls << QStringLiteral("e%1=%2").arg(int(s)).arg(on); }
    void stabSetIndicationChanged(stab_t s, bool on) override { calls << QStringLiteral("s%1=%2").arg(int(s)).arg(on); }
    void stabExtraStabeEnabledChanged(bool on) override { calls << QStringLiteral("extra=%1").arg(on); }
    QStringList calls;
};

class SideRecorder : public ActiveStabSideObserver {
public:
    using ActiveStabSideObserver::ActiveStabSideObserver;
    void activeStabSideChanged(activeStabSide_t side) override { sides << side; }
    QVector<activeStabSide_t> sides;
};

class FrontStabRecorder : public FrontStabObserver {
public:
    using FrontStabObserver::FrontStabObserver;
    void frontStabAvailableChanged(bool on) override { calls << QStringLiteral("available=%1").arg(on); }
    void frontStabLoadChanged(bool valid, unsigned int load) override
    {
        calls << QStringLiteral("load=%1/%2").arg(valid).arg(load);
    }
    QStringList calls;
};

class EvsAvailableRecorder : public EvsAvailableObserver {
public:
    using EvsAvailableObserver::EvsAvailableObserver;
    void evsAvailableChanged(bool on) override { reports << on; }
    QVector<bool> reports;
};

} // namespace

class StabilitySubjectsTest : public QObject {
    Q_OBJECT
private:
    StabilityTestCan* can = nullptr;
    MpdoSubject* mpdo = nullptr;
    QTemporaryDir* dir = nullptr;
    QSettings* settings = nullptr;

    void feed(unsigned int index, unsigned int value)
    {
        const canMessage m = stabilityMpdoFrame(index, value);
        mpdo->newCanMessage(&m);
    }
    bool subscribed(unsigned int index) { return mpdo->getMpdoEntry(index, 0) != nullptr; }
    static void deliver() { QCoreApplication::processEvents(); }

private slots:
    void init()
    {
        can = new StabilityTestCan;
        mpdo = new MpdoSubject(can);
        mpdo->syncMpdoList();
        dir = new QTemporaryDir;
        settings = new QSettings(dir->filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    }

    void cleanup()
    {
        deliver();
        delete settings;
        delete dir;
        delete mpdo;
        delete can;
    }

    void degreeTextSwitchesDecimalsAtTen_data()
    {
        QTest::addColumn<float>("degrees");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0f << QStringLiteral("0.00°");
        QTest::newRow("negative shown unsigned") << -5.0f << QStringLiteral("5.00°");
        QTest::newRow("9.99") << 9.99f << QStringLiteral("9.99°");
        QTest::newRow("9.999 rounds up but keeps two decimals") << 9.999f << QStringLiteral("10.00°");
        QTest::newRow("10.0") << 10.0f << QStringLiteral("10.0°");
        QTest::newRow("-12.34") << -12.34f << QStringLiteral("12.3°");
    }
    void degreeTextSwitchesDecimalsAtTen()
    {
        QFETCH(float, degrees);
        QFETCH(QString, text);
        QCOMPARE(StabilityDecoding::degreeText(degrees), text);
    }

    void controllerFloatTruncatesSafely_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<unsigned int>("expected");
        QTest::newRow("42.9") << 42.9f << 42u;
        QTest::newRow("negative") << -3.5f << 0u;
        QTest::newRow("nan") << std::numeric_limits<float>::quiet_NaN() << 0u;
        QTest::newRow("infinity") << std::numeric_limits<float>::infinity() << std::numeric_limits<unsigned int>::max();
        QTest::newRow("huge") << 1e20f << std::numeric_limits<unsigned int>::max();
    }
    void controllerFloatTruncatesSafely()
    {
        QFETCH(float, value);
        QFETCH(unsigned int, expected);
        QCOMPARE(StabilityDecoding::truncateToUnsigned(value), expected);
    }

    void inclinationDecodesSignedHalvesAndFollowsObservers()
    {
        RovA7InclinationSubject subject(mpdo);
        QVERIFY(!subscribed(0x48EB));
        InclinationRecorder o(&subject);
        o.attach();
        QVERIFY(subscribed(0x48EB));
        QCOMPARE(o.calls, (QStringList {"x=0", "y=0"}));
        o.calls.clear();

        feed(0x48EB, 0xFE0C01F4);
        QVERIFY(o.calls.isEmpty()); // the notification is queued
        deliver();
        QCOMPARE(o.calls, (QStringList {"x=5", "y=-5"}));
        QCOMPARE(o.getInclinationXString(), QStringLiteral("5.00°"));
        QCOMPARE(o.getInclinationYString(), QStringLiteral("5.00°"));

        o.calls.clear();
        feed(0x48EB, 0xFE0C03E8); // only X changes
        deliver();
        QCOMPARE(o.calls, (QStringList {"x=10"}));
        QCOMPARE(o.getInclinationXString(), QStringLiteral("10.0°"));

        o.detach();
        QVERIFY(!subscribed(0x48EB));
    }

    void stabEnabledFlagsAreReadOnce()
    {
        RovA7StabIndicationSubject subject(mpdo);
        QVERIFY(subscribed(0x4B21));
        QVERIFY(subscribed(0x4B22));
        QVERIFY(!subscribed(0x48C6));

        feed(0x4B21, 0x1F);
        QVERIFY(!subscribed(0x4B21));
        QVERIFY(subscribed(0x4B22));
        QVERIFY(subject.isStabIndicatorEnabled(STAB_LEFT_SIDE_DOWN));
        QVERIFY(subject.isStabIndicatorEnabled(STAB_RIGHT_SIDE_OUT));
        QVERIFY(subject.isStabIndicatorEnabled(STAB_PAS_DOWN));
        QVERIFY(!subject.isStabIndicatorEnabled(STAB_FRONT_DOWN));

        // A late repeat of the same entry (e.g. shared with another subscriber)
        // must not change the flags.
        subject.newValue(0x4B21, 0, 0);
        QVERIFY(subject.isStabIndicatorEnabled(STAB_LEFT_SIDE_DOWN));
    }

    void extraStabilisersIgnoreLeftBackDown_data()
    {
        QTest::addColumn<unsigned int>("extraBits");
        QTest::addColumn<bool>("extra");
        QTest::newRow("none") << 0x0u << false;
        QTest::newRow("only left back down") << 0x1u << false;
        QTest::newRow("left back out") << 0x2u << true;
        QTest::newRow("right back down") << 0x4u << true;
        QTest::newRow("right back out") << 0x8u << true;
    }
    void extraStabilisersIgnoreLeftBackDown()
    {
        QFETCH(unsigned int, extraBits);
        QFETCH(bool, extra);
        RovA7StabIndicationSubject subject(mpdo);
        feed(0x4B22, extraBits);
        QCOMPARE(subject.isExtraStabEnabled(), extra);
        QCOMPARE(subject.isStabIndicatorEnabled(STAB_LEFT_BACK_DOWN), bool(extraBits & 1));
    }

    void indicationBitsStartAtLeftSideDown()
    {
        RovA7StabIndicationSubject subject(mpdo);
        StabRecorder o(&subject);
        o.attach();
        QVERIFY(subscribed(0x48C6));
        feed(0x48C6, 0x0100);
        for (int s = 0; s < 9; ++s)
            QVERIFY2(!subject.getStabIndication(stab_t(s)), qPrintable(QString::number(s)));
        QVERIFY(subject.getStabIndication(STAB_PAS_DOWN));

        feed(0x48C6, 0x0001);
        QVERIFY(subject.getStabIndication(STAB_LEFT_SIDE_DOWN));
        QVERIFY(!subject.getStabIndication(STAB_PAS_DOWN));
        QVERIFY(!subject.stabErrorIndication());
    }

    void outOfRangeStabiliserReadsFalse()
    {
        RovA7StabIndicationSubject subject(mpdo);
        feed(0x4B21, 0xFFFFFFFF);
        feed(0x48C6, 0xFFFFFFFF);
        QVERIFY(!subject.isStabIndicatorEnabled(stab_t(10)));
        QVERIFY(!subject.getStabIndication(stab_t(-1)));
        QVERIFY(!subject.getStabIndication(stab_t(1000)));
    }

    void stabObserverReportsAllOnAttachThenChanges()
    {
        RovA7StabIndicationSubject subject(mpdo);
        feed(0x4B21, 0x10); // PAS present
        StabRecorder o(&subject);
        o.attach();
        QCOMPARE(o.calls.size(), 21);
        QCOMPARE(o.calls.at(0), QStringLiteral("e0=0"));
        QCOMPARE(o.calls.at(1), QStringLiteral("s0=0"));
        QCOMPARE(o.calls.at(18), QStringLiteral("e9=1"));
        QCOMPARE(o.calls.at(19), QStringLiteral("s9=0"));
        QCOMPARE(o.calls.at(20), QStringLiteral("extra=0"));

        o.calls.clear();
        feed(0x4B22, 0x8);
        feed(0x48C6, 0x0100);
        deliver();
        // Both notifications read the final state: each change once, in stab order.
        QCOMPARE(o.calls, (QStringList {"e8=1", "s9=1", "extra=1"}));
        o.detach();
        QVERIFY(!subscribed(0x48C6));
    }

    void activeSideFromSignedLowByte_data()
    {
        QTest::addColumn<unsigned int>("value");
        QTest::addColumn<int>("side");
        QTest::newRow("0xFF left") << 0xFFu << int(STAB_SIDE_LEFT);
        QTest::newRow("0x01 right") << 0x01u << int(STAB_SIDE_RIGHT);
        QTest::newRow("0x00 none") << 0x00u << int(STAB_SIDE_NONE);
        QTest::newRow("0x02 none") << 0x02u << int(STAB_SIDE_NONE);
        QTest::newRow("0x80 none") << 0x80u << int(STAB_SIDE_NONE);
        QTest::newRow("upper bytes ignored") << 0xABCD01FFu << int(STAB_SIDE_LEFT);
    }
    void activeSideFromSignedLowByte()
    {
        QFETCH(unsigned int, value);
        QFETCH(int, side);
        rovA7StabActiveSideSubject subject(mpdo);
        SideRecorder o(&subject);
        o.attach();
        feed(0x4870, value);
        deliver();
        QCOMPARE(int(subject.getActiveSide()), side);
        // Starts at none; only a change is reported after the attach report.
        QVector<activeStabSide_t> expected {STAB_SIDE_NONE};
        if (side != STAB_SIDE_NONE)
            expected << activeStabSide_t(side);
        QCOMPARE(o.sides, expected);
    }

    void frontStabiliserReportsRealAvailabilityAndLoad()
    {
        RclMxFrontStabSubject subject(mpdo, settings);
        QVERIFY(!subscribed(0x4A41));
        FrontStabRecorder o(&subject);
        o.attach();
        QVERIFY(subscribed(0x4A41));
        QVERIFY(subscribed(0x48C5));
        QCOMPARE(o.calls, (QStringList {"available=0", "load=0/0"}));
        QCOMPARE(o.getLoadString(), QStringLiteral("-"));

        o.calls.clear();
        feed(0x4A41, 1);
        feed(0x48C5, floatBits(42.9f));
        deliver();
        QCOMPARE(o.calls, (QStringList {"available=1", "load=1/42"}));
        QCOMPARE(o.getLoadString(), QStringLiteral("42%"));
        QCOMPARE(settings->value("FrontStab/Available").toBool(), true);

        // Absent again: the load goes invalid and stays so although the load
        // entry is delivered again with every frame.
        o.calls.clear();
        feed(0x4A41, 0);
        deliver();
        QCOMPARE(o.calls, (QStringList {"available=0", "load=0/0"}));
        feed(0x48C5, floatBits(50.0f));
        deliver();
        QVERIFY(!subject.isFrontStabLoadValid());
        QCOMPARE(settings->value("FrontStab/Available").toBool(), false);

        o.detach();
        QVERIFY(!subscribed(0x4A41));
        QVERIFY(!subscribed(0x48C5));
    }

    void frontStabiliserStartsFromStoredAvailability()
    {
        settings->setValue("FrontStab/Available", true);
        RclMxFrontStabSubject subject(mpdo, settings);
        FrontStabRecorder o(&subject);
        o.attach();
        QCOMPARE(o.calls.first(), QStringLiteral("available=1"));
    }

    void frontStabiliserRejectsBadFloats()
    {
        RclMxFrontStabSubject subject(mpdo, settings);
        CountingObserver c(&subject);
        c.attach();
        feed(0x4A41, 1);
        feed(0x48C5, 0x7FC00000); // NaN
        QVERIFY(subject.isFrontStabLoadValid());
        QCOMPARE(subject.getFronStabLoad(), 0u);
        feed(0x48C5, floatBits(-7.0f));
        QCOMPARE(subject.getFronStabLoad(), 0u);
    }

    void evsAvailabilityIsPersistedOnChangeOnly()
    {
        RclMxEvsAvailableSubject subject(settings, mpdo);
        EvsAvailableRecorder o(&subject);
        o.attach();
        QVERIFY(subscribed(0x4D08));
        QCOMPARE(o.reports, (QVector<bool> {false}));

        feed(0x4D08, 7);
        deliver();
        QVERIFY(subject.isEvsAvailable());
        QCOMPARE(settings->value("Inclination/Available").toBool(), true);
        QCOMPARE(o.reports, (QVector<bool> {false, true}));
        QVERIFY(o.getEvsAvailable());

        // A repeated value must not write again: remove the key and see it stay gone.
        settings->remove("Inclination/Available");
        CountingObserver c(&subject);
        c.attach();
        feed(0x4D08, 7);
        deliver();
        QVERIFY(!settings->contains("Inclination/Available"));
        QCOMPARE(c.updates, 1); // still notified
        QCOMPARE(o.reports.size(), 2);

        feed(0x4D08, 0);
        deliver();
        QCOMPARE(settings->value("Inclination/Available").toBool(), false);
        QCOMPARE(o.reports, (QVector<bool> {false, true, false}));
    }

    void evsAvailabilityStartsFromStoredSetting()
    {
        settings->setValue("Inclination/Available", true);
        RclMxEvsAvailableSubject subject(settings, mpdo);
        QVERIFY(subject.isEvsAvailable());
        EvsAvailableObserver o(&subject);
        QVERIFY(o.getEvsAvailable());
    }
};

QTEST_GUILESS_MAIN(StabilitySubjectsTest)
#include "stabilitysubjectstest.moc"
