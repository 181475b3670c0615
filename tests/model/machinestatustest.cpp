#include "ModelTestSupport.h"
#include "support/TestSandbox.h"

#include "core/SettingsSubject.h"
#include "model/EptoObserver.h"
#include "model/FlyjibAvailableObserver.h"
#include "model/HookWeightObserver.h"
#include "model/IpCameraEnabledObserver.h"
#include "model/OilTempAvailableObserver.h"
#include "model/OilTempObserver.h"
#include "model/RclMxEptoSubject.h"
#include "model/RclMxIpCameraSubject.h"
#include "model/RclMxUiGenrationSubject.h"
#include "model/RegeneraitonAvailableObserver.h"
#include "model/RegenerationModeObserver.h"
#include "model/RovA7FlyjibAvailableSubject.h"
#include "model/RovA7HookWeightSubject.h"
#include "model/RovA7OilTempAvailableSubject.h"
#include "model/RovA7OilTempSubject.h"
#include "model/RovA7RegeneraitonAvailableSubject.h"
#include "model/RovA7RegenerationModeSubject.h"
#include "model/RovA7WinchAvailableSubject.h"
#include "model/RovA7WinchWeightSubject.h"
#include "model/UiGenerationObserver.h"
#include "model/WinchAvailableObserver.h"
#include "model/WinchWeightObserver.h"

#include <QSettings>
#include <QtTest>

#include <limits>
#include <memory>

namespace {

struct FlyjibSpy : FlyjibAvailableObserver {
    using FlyjibAvailableObserver::FlyjibAvailableObserver;
    void flyjibAvailableChanged(bool a) override { reports.append(a); }
    QVector<bool> reports;
};

struct WinchSpy : WinchAvailableObserver {
    using WinchAvailableObserver::WinchAvailableObserver;
    void winchAvailableChanged(bool a) override { reports.append(a); }
    QVector<bool> reports;
};

struct HookSpy : HookWeightObserver {
    using HookWeightObserver::HookWeightObserver;
    void hookWeightChanged(unsigned int kg, bool valid) override
    {
        lastKg = kg;
        lastValid = valid;
        ++reports;
    }
    unsigned int lastKg = 12345;
    bool lastValid = false;
    int reports = 0;
};

struct OilSpy : OilTempObserver {
    using OilTempObserver::OilTempObserver;
    void oilTempChanged(bool valid) override { reports.append(valid); }
    QVector<bool> reports;
};

struct GenerationSpy : UiGenerationObserver {
    using UiGenerationObserver::UiGenerationObserver;
    void uiGenerationChanged(uiGenerations_t g) override { reports.append(g); }
    QVector<int> reports;
};

struct EptoSpy : EptoObserver {
    using EptoObserver::EptoObserver;
    void eptoDetectedChanged(bool b) override { log.append(QStringLiteral("detected=%1").arg(b)); }
    void eptoChargingChanged(bool b) override { log.append(QStringLiteral("charging=%1").arg(b)); }
    void eptoActiveChanged(bool b) override { log.append(QStringLiteral("active=%1").arg(b)); }
    void eptoBatteryLevelChanged(unsigned int l) override { log.append(QStringLiteral("level=%1").arg(l)); }
    void eptoErrorChanged(bool b) override { log.append(QStringLiteral("error=%1").arg(b)); }
    void eptoTooHotChanged(bool b) override { log.append(QStringLiteral("hot=%1").arg(b)); }
    void eptoStopPressedChanged(bool b) override { log.append(QStringLiteral("stop=%1").arg(b)); }
    QStringList log;
};

struct RegenModeSpy : RegenerationModeObserver {
    using RegenerationModeObserver::RegenerationModeObserver;
    void regenerationModeChanged(unsigned int m) override { reports.append(m); }
    QVector<unsigned int> reports;
};

} // namespace

class MachineStatusTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TestSandbox> sandbox;
    std::unique_ptr<ModelTestCan> can;
    std::unique_ptr<MpdoSubject> mpdo;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<SettingsSubject> settingsSubject;

    void flush() { QCoreApplication::processEvents(); }

private slots:
    void init()
    {
        sandbox = std::make_unique<TestSandbox>();
        sandbox->writeStub(QStringLiteral("sync"), "exit 0\n");
        can = std::make_unique<ModelTestCan>();
        mpdo = std::make_unique<MpdoSubject>(can.get());
        settings = std::make_unique<QSettings>(sandbox->path() + QStringLiteral("/nordel.conf"),
                                               QSettings::IniFormat);
        settingsSubject = std::make_unique<SettingsSubject>(settings.get());
    }

    void cleanup()
    {
        flush();
        settingsSubject.reset();
        settings.reset();
        mpdo.reset();
        can.reset();
        sandbox.reset();
    }

    void flyjibAndWinchBitsAreWrittenToTheSettingsOnlyOnChange()
    {
        RovA7FlyjibAvailableSubject flyjib(settings.get(), mpdo.get());
        RovA7WinchAvailableSubject winch(settings.get(), mpdo.get());
        FlyjibSpy f(&flyjib);
        WinchSpy w(&winch);
        f.attach();
        w.attach();
        QCOMPARE(f.reports, QVector<bool>({false}));
        QCOMPARE(w.reports, QVector<bool>({false}));

        deliver(mpdo.get(), 0x48EA, 0, 1u << 20);
        QCOMPARE(f.reports.size(), 1); // queued, not synchronous
        flush();
        QCOMPARE(f.reports, QVector<bool>({false, true}));
        QCOMPARE(w.reports, QVector<bool>({false}));
        QCOMPARE(settings->value(QStringLiteral("Flyjib/Available")).toBool(), true);
        QVERIFY(!settings->contains(QStringLiteral("winch/Available")));

        // The same value again must not rewrite the file.
        settings->remove(QStringLiteral("Flyjib/Available"));
        deliver(mpdo.get(), 0x48EA, 0, 1u << 20);
        flush();
        QVERIFY(!settings->contains(QStringLiteral("Flyjib/Available")));
        QCOMPARE(f.reports.size(), 2);

        deliver(mpdo.get(), 0x48EA, 0, 1u << 21);
        flush();
        QCOMPARE(f.reports, QVector<bool>({false, true, false}));
        QCOMPARE(w.reports, QVector<bool>({false, true}));
        QCOMPARE(settings->value(QStringLiteral("Flyjib/Available")).toBool(), false);
        QCOMPARE(settings->value(QStringLiteral("winch/Available")).toBool(), true);
    }

    void persistedFlagsAreTheStartValues()
    {
        settings->setValue(QStringLiteral("Flyjib/Available"), true);
        settings->setValue(QStringLiteral("Regeneraiton/Available"), true);
        settings->setValue(QStringLiteral("rclIpCamera/enabled"), true);
        RovA7FlyjibAvailableSubject flyjib(settings.get(), mpdo.get());
        RovA7WinchAvailableSubject winch(settings.get(), mpdo.get());
        RovA7RegeneraitonAvailableSubject regen(settings.get(), mpdo.get());
        RclMxIpCameraSubject camera(mpdo.get(), settings.get());
        QVERIFY(FlyjibAvailableObserver(&flyjib).getFlyjibAvailable());
        QVERIFY(!WinchAvailableObserver(&winch).getWinchAvailable());
        QVERIFY(RegeneraitonAvailableObserver(&regen).getRegeneraitonAvailable());
        QVERIFY(IpCameraEnabledObserver(&camera).isIpCameraFeatureEnabled());
    }

    void onDemandEntriesFollowTheObservers()
    {
        RovA7RegeneraitonAvailableSubject regen(settings.get(), mpdo.get());
        QVERIFY(!subscribed(mpdo.get(), 0x4668));
        {
            RegeneraitonAvailableObserver a(&regen);
            RegeneraitonAvailableObserver b(&regen);
            a.attach();
            b.attach();
            a.attach();
            QVERIFY(subscribed(mpdo.get(), 0x4668));
            a.detach();
            QVERIFY(subscribed(mpdo.get(), 0x4668));
        }
        QVERIFY(!subscribed(mpdo.get(), 0x4668));
        QCOMPARE(regen.getNumberOfAttachedObservers(), 0);
    }

    void readOnceEntriesAreDroppedWithTheFirstValue()
    {
        RovA7OilTempAvailableSubject oilAvailable(settings.get(), mpdo.get());
        RclMxIpCameraSubject camera(mpdo.get(), settings.get());
        QVERIFY(subscribed(mpdo.get(), 0x448E));
        QVERIFY(subscribed(mpdo.get(), 0x5A00));
        deliver(mpdo.get(), 0x448E, 0, 0x3); // only bit 0 counts
        deliver(mpdo.get(), 0x5A00, 0, 0x100);
        QVERIFY(!subscribed(mpdo.get(), 0x448E));
        QVERIFY(!subscribed(mpdo.get(), 0x5A00));
        QVERIFY(oilAvailable.available);
        QVERIFY(camera.enabled);
        QCOMPARE(settings->value(QStringLiteral("OilTemp/Available")).toBool(), true);
        QCOMPARE(settings->value(QStringLiteral("rclIpCamera/enabled")).toBool(), true);
    }

    void oilTempAvailabilityUsesBitZeroOnly()
    {
        settings->setValue(QStringLiteral("OilTemp/Available"), true);
        RovA7OilTempAvailableSubject oilAvailable(settings.get(), mpdo.get());
        QVERIFY(oilAvailable.available);
        deliver(mpdo.get(), 0x448E, 0, 0xFFFFFFFE);
        QVERIFY(!oilAvailable.available);
        QCOMPARE(settings->value(QStringLiteral("OilTemp/Available")).toBool(), false);
    }

    void weightIsRoundedTo50KgAndShownInTheOperatorsUnit_data()
    {
        QTest::addColumn<float>("sent");
        QTest::addColumn<unsigned int>("kg");
        QTest::addColumn<QString>("kgText");
        QTest::addColumn<QString>("lbText");
        QTest::newRow("1024 rounds down") << 1024.0f << 1000u << "1000kg" << "2204lb";
        QTest::newRow("1025 half rounds up") << 1025.0f << 1050u << "1050kg" << "2314lb";
        QTest::newRow("24.9 rounds to zero") << 24.9f << 0u << "0kg" << "0lb";
        QTest::newRow("small negative shows zero") << -10.0f << 0u << "0kg" << "0lb";
        QTest::newRow("negative half rounds away") << -25.0f << 0u << "-50kg" << "-110lb";
    }

    void weightIsRoundedTo50KgAndShownInTheOperatorsUnit()
    {
        QFETCH(float, sent);
        QFETCH(unsigned int, kg);
        QFETCH(QString, kgText);
        QFETCH(QString, lbText);
        RovA7HookWeightSubject hook(settingsSubject.get(), mpdo.get());
        HookSpy spy(&hook);
        spy.attach();
        QCOMPARE(spy.getHookWeightString(), QStringLiteral("-"));
        QVERIFY(!spy.lastValid);

        deliver(mpdo.get(), 0x2148, 0, floatBits(sent));
        flush();
        QCOMPARE(spy.lastKg, kg);
        QVERIFY(spy.lastValid);
        QCOMPARE(spy.getHookWeightString(), kgText);

        settingsSubject->setWeightUnitType(UNIT_LB);
        flush();
        flush();
        QCOMPARE(hook.getWeightUnit(), UNIT_LB);
        QCOMPARE(spy.getHookWeightString(), lbText);
    }

    void weightReportsValidityAndIgnoresNonNumbers()
    {
        RovA7WinchWeightSubject winch(settingsSubject.get(), mpdo.get());
        {
            WinchWeightObserver w(&winch);
            w.attach();
            QVERIFY(subscribed(mpdo.get(), 0x4360));
            deliver(mpdo.get(), 0x4360, 0, floatBits(500.0f));
            flush();
            QCOMPARE(w.getWinchWeightString(), QStringLiteral("500kg"));
            deliver(mpdo.get(), 0x4360, 0, floatBits(std::numeric_limits<float>::quiet_NaN()));
            deliver(mpdo.get(), 0x4360, 0, floatBits(std::numeric_limits<float>::infinity()));
            flush();
            QCOMPARE(winch.getWeightKg(), 500.0f);
            QCOMPARE(w.getWinchWeightString(), QStringLiteral("500kg"));
        }
        // The last observer leaving makes the weight unknown.
        QVERIFY(!subscribed(mpdo.get(), 0x4360));
        QVERIFY(!winch.isWeightValid());
        HookSpy detached(nullptr);
        QCOMPARE(detached.getHookWeightString(), QString());

        // Huge readings stay well-defined.
        HookSpy big(&winch);
        big.attach();
        deliver(mpdo.get(), 0x4360, 0, floatBits(3.0e38f));
        flush();
        QCOMPARE(big.lastKg, std::numeric_limits<unsigned int>::max());
        QVERIFY(!big.getHookWeightString().isEmpty());
    }

    void oilTemperatureTexts()
    {
        settings->setValue(QStringLiteral("OilTemp/Available"), true);
        RovA7OilTempAvailableSubject oilAvailable(settings.get(), mpdo.get());
        RovA7OilTempSubject oil(mpdo.get(), settingsSubject.get(), &oilAvailable);
        OilSpy spy(&oil);
        spy.attach();
        QCOMPARE(spy.reports, QVector<bool>({false}));
        QCOMPARE(spy.getOilTempString(), QStringLiteral("-"));
        QVERIFY(subscribed(mpdo.get(), 0x488C));

        deliver(mpdo.get(), 0x488C, 0, floatBits(85.6f));
        flush();
        QCOMPARE(spy.reports, QVector<bool>({false, true}));
        QCOMPARE(spy.getOilTempString(), QString::fromUtf8("85\xC2\xB0" "C"));
        settingsSubject->setTempUnitType(UNIT_FAHRENHEIT);
        flush();
        flush();
        QCOMPARE(spy.getOilTempString(), QString::fromUtf8("186\xC2\xB0" "F"));

        // Same temperature again: nothing to report.
        deliver(mpdo.get(), 0x488C, 0, floatBits(85.6f));
        flush();
        QCOMPARE(spy.reports.size(), 2);
        deliver(mpdo.get(), 0x488C, 0, floatBits(std::numeric_limits<float>::quiet_NaN()));
        flush();
        QCOMPARE(oil.getOilTemp(), 85.6f);
    }

    void absentOilSensorDropsTheTemperatureEntry()
    {
        settings->setValue(QStringLiteral("OilTemp/Available"), true);
        RovA7OilTempAvailableSubject oilAvailable(settings.get(), mpdo.get());
        RovA7OilTempSubject oil(mpdo.get(), settingsSubject.get(), &oilAvailable);
        QVERIFY(!subscribed(mpdo.get(), 0x488C)); // nobody observes yet
        OilSpy first(&oil);
        OilSpy second(&oil);
        first.attach();
        second.attach();
        QVERIFY(subscribed(mpdo.get(), 0x488C));

        deliver(mpdo.get(), 0x448E, 0, 0);
        flush();
        QVERIFY(!subscribed(mpdo.get(), 0x488C));
        QCOMPARE(oil.getNumberOfAttachedObservers(), 2);

        // A sensor reported later is still followed after one observer left.
        second.detach();
        oilAvailable.available = true;
        oilAvailable.notify();
        flush();
        QVERIFY(subscribed(mpdo.get(), 0x488C));

        deliver(mpdo.get(), 0x488C, 0, floatBits(40.0f));
        QVERIFY(oil.isOilTempValid());
        first.detach();
        QVERIFY(!subscribed(mpdo.get(), 0x488C));
        QVERIFY(!oil.isOilTempValid());
    }

    void uiGenerationIsReadOnceAndIgnoresUnknownValues()
    {
        RclMxUiGenrationSubject generation(mpdo.get(), settings.get());
        QCOMPARE(generation.generation, UI_GEN3); // default without a stored value
        QVERIFY(!subscribed(mpdo.get(), 0x4871));
        GenerationSpy spy(&generation);
        spy.attach();
        QCOMPARE(spy.reports, QVector<int>({UI_GEN3}));
        QVERIFY(subscribed(mpdo.get(), 0x4871));

        deliver(mpdo.get(), 0x4871, 0, 3);
        flush();
        QCOMPARE(generation.generation, UI_GEN3);
        QVERIFY(!subscribed(mpdo.get(), 0x4871));
        QVERIFY(!settings->contains(QStringLiteral("uiGeneration/uiGeneraion")));

        GenerationSpy late(&generation);
        late.attach();
        QVERIFY(!subscribed(mpdo.get(), 0x4871)); // never read again this run
        QCOMPARE(spy.reports, QVector<int>({UI_GEN3}));
    }

    void uiGenerationIsStoredForTheNextStart()
    {
        {
            RclMxUiGenrationSubject generation(mpdo.get(), settings.get());
            GenerationSpy spy(&generation);
            spy.attach();
            deliver(mpdo.get(), 0x4871, 0, 0);
            flush();
            QCOMPARE(spy.reports, QVector<int>({UI_GEN3, UI_GEN1}));
            QCOMPARE(settings->value(QStringLiteral("uiGeneration/uiGeneraion")).toUInt(), 0u);
        }
        RclMxUiGenrationSubject restarted(mpdo.get(), settings.get());
        QCOMPARE(restarted.generation, UI_GEN1);
        QCOMPARE(GenerationSpy(&restarted).getUiGeneration(), UI_GEN1);

        settings->setValue(QStringLiteral("uiGeneration/uiGeneraion"), 7);
        RclMxUiGenrationSubject damaged(mpdo.get(), settings.get());
        QCOMPARE(damaged.generation, UI_GEN3);
    }

    void eptoFlagsAndReportOrder()
    {
        RclMxEptoSubject epto(mpdo.get());
        EptoSpy spy(&epto);
        spy.attach();
        QCOMPARE(spy.log.size(), 7);
        spy.log.clear();
        QVERIFY(subscribed(mpdo.get(), 0x5A23));

        deliver(mpdo.get(), 0x5A23, 0, 0x00002150);
        flush();
        QCOMPARE(epto.getEptoBatteryLevel(), 80u);
        QVERIFY(epto.isEptoAvailable());
        QVERIFY(!epto.isEptoCharging());
        QVERIFY(!epto.isEptoActive());
        QVERIFY(!epto.isEptoErrorActive());
        QVERIFY(!epto.isEptoStopPressed());
        QVERIFY(epto.isEptoTooHot());
        QCOMPARE(spy.log, QStringList({"detected=1", "level=80", "hot=1"}));

        spy.log.clear();
        deliver(mpdo.get(), 0x5A23, 0, 0x00001E00 | 0xFF);
        flush();
        QCOMPARE(spy.log, QStringList({"detected=0", "level=255", "charging=1", "active=1", "error=1",
                                       "hot=0", "stop=1"}));
    }

    void regenerationModeIsReportedOnChange()
    {
        RovA7RegenerationModeSubject regen(mpdo.get());
        RegenModeSpy spy(&regen);
        spy.attach();
        QVERIFY(spy.reports.isEmpty()); // start value 0 is not a change
        deliver(mpdo.get(), 0x466D, 0, 0xFFFFFFFF);
        deliver(mpdo.get(), 0x466D, 0, 0xFFFFFFFF);
        flush();
        QCOMPARE(spy.reports, QVector<unsigned int>({0xFFFFFFFFu}));
        QCOMPARE(spy.getRegenerationMode(), 0xFFFFFFFFu);
    }
};

QTEST_GUILESS_MAIN(MachineStatusTest)
#include "machinestatustest.moc"
