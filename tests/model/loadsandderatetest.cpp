#include "ModelTestSupport.h"

#include "model/EvsAvailableSubject.h"
#include "model/FlyjibAvailableSubject.h"
#include "model/LoadsAndDerateObserver.h"
#include "model/RovA7LoadsAndDerateSubject.h"
#include "model/WinchAvailableSubject.h"

#include <QtTest>

#include <memory>

namespace {

class TestEvsAvailable : public EvsAvailableSubject {
public:
    void set(bool a) { available = a; }
};

// Records every callback as text, in order.
class LoadsSpy : public LoadsAndDerateObserver {
public:
    using LoadsAndDerateObserver::LoadsAndDerateObserver;
    void craneLoadChanged(float l, bool v) override { log << QStringLiteral("craneLoad %1 %2").arg(l).arg(v); }
    void winchLoadChanged(float l, bool v) override { log << QStringLiteral("winchLoad %1 %2").arg(l).arg(v); }
    void flyjibLoadChanged(float l, bool v) override { log << QStringLiteral("flyjibLoad %1 %2").arg(l).arg(v); }
    void evsLoadChanged(float l) override { log << QStringLiteral("evsLoad %1").arg(l); }
    void craneStrengthChanged(float s) override { log << QStringLiteral("craneStrength %1").arg(s); }
    void winchStrengthChanged(float s) override { log << QStringLiteral("winchStrength %1").arg(s); }
    void flyjibStrengthChanged(float s) override { log << QStringLiteral("flyjibStrength %1").arg(s); }
    void strengthChanged(float s, bool v) override { log << QStringLiteral("strength %1 %2").arg(s).arg(v); }
    QStringList take()
    {
        QStringList l = log;
        log.clear();
        return l;
    }
    QStringList log;
};

} // namespace

class LoadsAndDerateTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<ModelTestCan> can;
    std::unique_ptr<MpdoSubject> mpdo;
    std::unique_ptr<WinchAvailableSubject> winch;
    std::unique_ptr<FlyjibAvailableSubject> flyjib;
    std::unique_ptr<TestEvsAvailable> evs;
    std::unique_ptr<RovA7LoadsAndDerateSubject> loads;

    void flush() { QCoreApplication::processEvents(); }
    void sendLoads(unsigned int v) { deliver(mpdo.get(), 0x48E6, 0, v); }
    void sendDerates(unsigned int v) { deliver(mpdo.get(), 0x48E7, 0, v); }
    void makeLoads()
    {
        loads = std::make_unique<RovA7LoadsAndDerateSubject>(mpdo.get(), winch.get(), flyjib.get(), evs.get());
    }
    void equip(bool w, bool f, bool e)
    {
        winch->available = w;
        flyjib->available = f;
        evs->set(e);
    }

private slots:
    void init()
    {
        can = std::make_unique<ModelTestCan>();
        mpdo = std::make_unique<MpdoSubject>(can.get());
        winch = std::make_unique<WinchAvailableSubject>();
        flyjib = std::make_unique<FlyjibAvailableSubject>();
        evs = std::make_unique<TestEvsAvailable>();
        equip(true, true, true);
        makeLoads();
    }

    void cleanup()
    {
        flush();
        loads.reset();
        evs.reset();
        flyjib.reset();
        winch.reset();
        mpdo.reset();
        can.reset();
    }

    void bytesAreCraneFlyjibWinchAndStrengthsAreLimited()
    {
        LoadsSpy spy(loads.get());
        spy.attach();
        sendLoads(0xFF0A3264);
        sendDerates(0x00FA6478);
        QCOMPARE(loads->getCraneLoad(), 100.0f);
        QCOMPARE(loads->getFlyjibLoad(), 50.0f);
        QCOMPARE(loads->getWinchLoad(), 10.0f);
        QCOMPARE(loads->getEvsLoad(), 255.0f);
        QCOMPARE(loads->getCraneStrength(), 100.0f);
        QCOMPARE(loads->getFlyjibStrength(), 100.0f);
        QCOMPARE(loads->getWinchStrength(), 100.0f);
        QCOMPARE(loads->getStrength(), 100.0f);
        QVERIFY(loads->isLoadValid());
        QVERIFY(loads->isStrengthValid());
    }

    void overallStrengthIsTheLowestPresentOne_data()
    {
        QTest::addColumn<bool>("winchPresent");
        QTest::addColumn<bool>("flyjibPresent");
        QTest::addColumn<unsigned int>("derates");
        QTest::addColumn<float>("winchStrength");
        QTest::addColumn<float>("flyjibStrength");
        QTest::addColumn<float>("overall");
        // crane 80, flyjib 90, winch 10: the absent winch does not limit.
        QTest::newRow("winch absent") << false << true << 0x000A5A50u << 100.0f << 90.0f << 80.0f;
        QTest::newRow("winch present") << true << true << 0x000A5A50u << 10.0f << 90.0f << 10.0f;
        // crane 70, flyjib and winch 40.
        QTest::newRow("winch and flyjib 40") << true << true << 0x00282846u << 40.0f << 40.0f << 40.0f;
        QTest::newRow("both absent") << false << false << 0x00282846u << 100.0f << 100.0f << 70.0f;
        QTest::newRow("flyjib 0 absent") << true << false << 0x00640046u << 100.0f << 100.0f << 70.0f;
    }

    void overallStrengthIsTheLowestPresentOne()
    {
        QFETCH(bool, winchPresent);
        QFETCH(bool, flyjibPresent);
        QFETCH(unsigned int, derates);
        QFETCH(float, winchStrength);
        QFETCH(float, flyjibStrength);
        QFETCH(float, overall);
        equip(winchPresent, flyjibPresent, false);
        makeLoads();
        LoadsSpy spy(loads.get());
        spy.attach();
        sendLoads(0x00FFFFFF);
        sendDerates(derates);
        QCOMPARE(loads->getWinchStrength(), winchStrength);
        QCOMPARE(loads->getFlyjibStrength(), flyjibStrength);
        QCOMPARE(loads->getStrength(), overall);
        QCOMPARE(loads->getWinchLoad(), winchPresent ? 255.0f : 0.0f);
        QCOMPARE(loads->getFlyjibLoad(), flyjibPresent ? 255.0f : 0.0f);
        QCOMPARE(loads->getEvsLoad(), 0.0f); // EVS absent
    }

    void everythingReadsZeroAndDashBeforeTheFirstValues()
    {
        LoadsSpy spy(loads.get());
        spy.attach();
        QCOMPARE(spy.take(),
                 QStringList({"craneLoad 0 0", "winchLoad 0 0", "flyjibLoad 0 0", "evsLoad 0", "craneStrength 0",
                              "winchStrength 0", "flyjibStrength 0", "strength 0 0"}));
        QCOMPARE(loads->getStrength(), 0.0f);
        QCOMPARE(loads->getWinchStrength(), 0.0f);
        QCOMPARE(spy.getStrength(), QStringLiteral("-"));
        QCOMPARE(spy.getLoadString(LoadsAndDerateObserver::crane), QStringLiteral("-"));
        QCOMPARE(spy.getStrengthString(LoadsAndDerateObserver::winch), QStringLiteral("-"));

        sendLoads(0x00000039);
        flush();
        QCOMPARE(spy.getLoadString(LoadsAndDerateObserver::crane), QStringLiteral("57%"));
        QCOMPARE(spy.getLoadString(static_cast<LoadsAndDerateObserver::loadOrStrengthType_t>(3)),
                 QStringLiteral("-"));
        QCOMPARE(spy.getStrengthString(LoadsAndDerateObserver::crane), QStringLiteral("-"));
        sendDerates(0x00504030);
        flush();
        QCOMPARE(spy.getStrengthString(LoadsAndDerateObserver::flyjib), QStringLiteral("64%"));
        QCOMPARE(spy.getStrength(), QStringLiteral("48%"));
        QCOMPARE(spy.getEvsLoadString(), QStringLiteral("0%"));
        sendLoads(0x000000FF);
        flush();
        QCOMPARE(spy.getLoadString(LoadsAndDerateObserver::crane), QStringLiteral("255%"));
    }

    void otherEntriesAreIgnored()
    {
        NotificationCounter counter(loads.get());
        counter.attach();
        loads->newValue(0x48E6, 1, 0xFFFFFFFF);
        loads->newValue(0x48E8, 0, 0xFFFFFFFF);
        flush();
        QCOMPARE(counter.updates, 0);
        QVERIFY(!loads->isLoadValid());
        loads->newValue(0x48E6, 0, 0x01);
        flush();
        QCOMPARE(counter.updates, 1);
    }

    void everyValueNotifiesEvenWithoutChange()
    {
        NotificationCounter counter(loads.get());
        counter.attach();
        loads->newValue(0x48E7, 0, 0x10);
        loads->newValue(0x48E7, 0, 0x10);
        QCOMPARE(counter.updates, 0); // queued
        flush();
        QCOMPARE(counter.updates, 2);
    }

    void availabilityChangesWaitForTheNextValue()
    {
        equip(true, false, true);
        makeLoads();
        LoadsSpy spy(loads.get());
        spy.attach();
        sendLoads(0x00002A00); // flyjib 42
        sendDerates(0x00646464);
        flush();
        flush();
        QCOMPARE(loads->getFlyjibLoad(), 0.0f);

        flyjib->available = true;
        flyjib->notify();
        spy.take();
        flush();
        QVERIFY(spy.take().isEmpty());
        QCOMPARE(loads->getFlyjibLoad(), 42.0f); // the getter already knows

        sendLoads(0x00002A00);
        flush();
        QCOMPARE(spy.take(), QStringList({"flyjibLoad 42 1"}));
    }

    void oneChangePerNotification()
    {
        LoadsSpy spy(loads.get());
        spy.attach();
        sendLoads(0x00000000);
        sendDerates(0x00646464);
        flush();
        spy.take();

        loads->newValue(0x48E6, 0, 0x00140010); // crane 16, winch 20
        flush();
        QCOMPARE(spy.take(), QStringList({"craneLoad 16 1"}));
        loads->newValue(0x48E6, 0, 0x00140010);
        flush();
        QCOMPARE(spy.take(), QStringList({"winchLoad 20 1"}));
        loads->newValue(0x48E6, 0, 0x00140010);
        flush();
        QVERIFY(spy.take().isEmpty());

        // Crane strength before winch load; overall strength last but one.
        loads->newValue(0x48E6, 0, 0x0A150010);
        loads->newValue(0x48E7, 0, 0x00646450);
        flush();
        QCOMPARE(spy.take(), QStringList({"craneStrength 80", "winchLoad 21 1"}));
        loads->newValue(0x48E7, 0, 0x00646450);
        loads->newValue(0x48E7, 0, 0x00646450);
        flush();
        QCOMPARE(spy.take(), QStringList({"strength 80 1", "evsLoad 10"}));
    }

    void validityFlipReportsAllFourLoadsAndNoStrength()
    {
        LoadsSpy spy(loads.get());
        spy.attach();
        spy.take();
        loads->newValue(0x48E7, 0, 0x00505050);
        loads->newValue(0x48E6, 0, 0x01020304);
        // Both validities differ; one update reports the loads only.
        spy.update();
        QCOMPARE(spy.take(), QStringList({"craneLoad 4 1", "winchLoad 2 1", "flyjibLoad 3 1", "evsLoad 1"}));
        spy.update();
        QCOMPARE(spy.take(), QStringList({"craneStrength 80", "winchStrength 80", "flyjibStrength 80", "strength 80 1"}));
        spy.update();
        QVERIFY(spy.take().isEmpty());
    }

    void firstAndLastObserverLifeCycle()
    {
        QVERIFY(!subscribed(mpdo.get(), 0x48E6));
        QCOMPARE(winch->getNumberOfAttachedObservers(), 0);
        {
            LoadsSpy a(loads.get());
            LoadsSpy b(loads.get());
            a.attach();
            b.attach();
            a.attach();
            QCOMPARE(loads->getNumberOfAttachedObservers(), 2);
            QVERIFY(subscribed(mpdo.get(), 0x48E6));
            QVERIFY(subscribed(mpdo.get(), 0x48E7));
            QCOMPARE(winch->getNumberOfAttachedObservers(), 1);
            QCOMPARE(flyjib->getNumberOfAttachedObservers(), 1);
            QCOMPARE(evs->getNumberOfAttachedObservers(), 1);
            sendLoads(0x05030201);
            sendDerates(0x00405060);
            a.detach();
            QVERIFY(loads->isLoadValid());
        }
        QVERIFY(!subscribed(mpdo.get(), 0x48E6));
        QVERIFY(!subscribed(mpdo.get(), 0x48E7));
        QCOMPARE(winch->getNumberOfAttachedObservers(), 0);
        QCOMPARE(evs->getNumberOfAttachedObservers(), 0);
        QVERIFY(!loads->isLoadValid());
        QVERIFY(!loads->isStrengthValid());
        QCOMPARE(loads->getStrength(), 0.0f);
        QCOMPARE(loads->getEvsLoad(), 5.0f); // EVS load is kept

        // Availability is re-read when the next first observer comes.
        evs->set(false);
        LoadsSpy c(loads.get());
        c.attach();
        QCOMPARE(loads->getEvsLoad(), 0.0f);
    }

    void observerWithoutSubjectDoesNothing()
    {
        LoadsSpy none(nullptr);
        none.attach();
        none.update();
        none.updateAllLoads();
        QVERIFY(none.log.isEmpty());
        QCOMPARE(none.getStrength(), QStringLiteral("-"));
    }
};

QTEST_GUILESS_MAIN(LoadsAndDerateTest)
#include "loadsandderatetest.moc"
