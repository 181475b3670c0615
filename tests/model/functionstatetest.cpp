#include "ModelTestSupport.h"

#include "model/BlockedFunctionObserver.h"
#include "model/FlyjibAvailableSubject.h"
#include "model/FunctionStateObserver.h"
#include "model/FunctionStateSubject.h"
#include "model/HdlObserver.h"
#include "model/LoadsAndDerateSubject.h"
#include "model/RovA7BlockedFunctionSubject.h"
#include "model/RovA7HdlSubject.h"
#include "model/RovA7LoadsAndDerateSubject.h"
#include "model/WinchAvailableSubject.h"
#include "model/EvsAvailableSubject.h"

#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(functionID_t)
Q_DECLARE_METATYPE(functionState_t)

namespace {

// Strengths with fractions the controller's whole-percent bytes cannot carry.
class FakeLoads : public LoadsAndDerateSubject {
public:
    float getCraneLoad() override { return 0; }
    float getWinchLoad() override { return 0; }
    float getFlyjibLoad() override { return 0; }
    float getCraneStrength() override { return crane; }
    float getWinchStrength() override { return winch; }
    float getFlyjibStrength() override { return flyjib; }
    float getStrength() override { return std::min({crane, winch, flyjib}); }
    float getEvsLoad() override { return 0; }
    bool isLoadValid() override { return true; }
    bool isStrengthValid() override { return true; }
    float crane = 100;
    float winch = 100;
    float flyjib = 100;
};

class FakeHdl : public HdlSubject {
public:
    unsigned int getHdlLevel() override { return valid ? level : 0; }
    bool isHdlLoadValid() override { return valid; }
    unsigned int level = 0;
    bool valid = false;
};

class HdlSpy : public HdlObserver {
public:
    using HdlObserver::HdlObserver;
    void hdlChanged(unsigned int level, bool valid) override { log << QStringLiteral("%1 %2").arg(level).arg(valid); }
    QStringList log;
};

class StateSpy : public FunctionStateObserver {
public:
    using FunctionStateObserver::FunctionStateObserver;
    void functionStateChanged(functionID_t id, functionState_t state) override
    {
        ids.append(id);
        states.append(state);
    }
    QVector<int> ids;
    QVector<int> states;
};

class BlockSpy : public BlockedFunctionObserver {
public:
    using BlockedFunctionObserver::BlockedFunctionObserver;
    void blockedFunctionChanged(functionID_t id, bool blocked) override { changes.append({id, blocked}); }
    QVector<QPair<int, bool>> changes;
};

} // namespace

class FunctionStateTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<ModelTestCan> can;
    std::unique_ptr<MpdoSubject> mpdo;
    std::unique_ptr<WinchAvailableSubject> winch;
    std::unique_ptr<FlyjibAvailableSubject> flyjib;
    std::unique_ptr<EvsAvailableSubject> evs;
    std::unique_ptr<RovA7HdlSubject> hdl;
    std::unique_ptr<RovA7BlockedFunctionSubject> blocked;
    std::unique_ptr<RovA7LoadsAndDerateSubject> loads;
    std::unique_ptr<FunctionStateSubject> state;

    // Several passes: each subject in the chain notifies through the event loop.
    void flush()
    {
        for (int i = 0; i < 10; ++i)
            QCoreApplication::processEvents();
    }
    void sendDerates(unsigned int v) { deliver(mpdo.get(), 0x48E7, 0, v); }
    void sendBlocks(unsigned int v) { deliver(mpdo.get(), 0x2111, 1, v); }
    int countIn(functionState_t s)
    {
        int n = 0;
        for (int i = 0; i < NumberOfFunctions; ++i)
            n += state->getFunctionState(static_cast<functionID_t>(i)) == s;
        return n;
    }

private slots:
    void init()
    {
        can = std::make_unique<ModelTestCan>();
        mpdo = std::make_unique<MpdoSubject>(can.get());
        winch = std::make_unique<WinchAvailableSubject>();
        flyjib = std::make_unique<FlyjibAvailableSubject>();
        evs = std::make_unique<EvsAvailableSubject>();
        winch->available = true;
        flyjib->available = true;
        hdl = std::make_unique<RovA7HdlSubject>(mpdo.get());
        blocked = std::make_unique<RovA7BlockedFunctionSubject>(mpdo.get(), hdl.get());
        loads = std::make_unique<RovA7LoadsAndDerateSubject>(mpdo.get(), winch.get(), flyjib.get(), evs.get());
        state = std::make_unique<FunctionStateSubject>(blocked.get(), hdl.get(), loads.get());
    }

    void cleanup()
    {
        flush();
        state.reset();
        loads.reset();
        blocked.reset();
        hdl.reset();
        evs.reset();
        flyjib.reset();
        winch.reset();
        mpdo.reset();
        can.reset();
    }

    void blockBitsFollowTheControllersOrder_data()
    {
        QTest::addColumn<int>("bit");
        QTest::addColumn<functionID_t>("function");
        const functionID_t expected[NumberOfFunctions] = {
            FUNCTION_JOINT1_UP,     FUNCTION_JOINT1_DOWN,     FUNCTION_JOINT2_DOWN,   FUNCTION_JOINT2_UP,
            FUNCTION_JOINT3_UP,     FUNCTION_JOINT3_DOWN,     FUNCTION_JOINT4_EXPAND, FUNCTION_JOINT4_COMPRESS,
            FUNCTION_JOINT5_UP,     FUNCTION_JOINT5_DOWN,     FUNCTION_JOINT6_EXPAND, FUNCTION_JOINT6_COMPRESS,
            FUNCTION_WINCH_2,       FUNCTION_WINCH_1,         FUNCTION_EXTRA_1,       FUNCTION_EXTRA_2,
            FUNCTION_EXTRA_3,       FUNCTION_EXTRA_4,
        };
        for (int bit = 0; bit < NumberOfFunctions; ++bit)
            QTest::newRow(qPrintable(QStringLiteral("bit %1").arg(bit))) << bit << expected[bit];
    }

    void blockBitsFollowTheControllersOrder()
    {
        QFETCH(int, bit);
        QFETCH(functionID_t, function);
        BlockSpy spy(blocked.get());
        spy.attach();
        QVERIFY(subscribed(mpdo.get(), 0x2111, 1));
        QCOMPARE(spy.changes.size(), NumberOfFunctions);
        spy.changes.clear();
        sendBlocks(1u << bit);
        flush();
        QCOMPARE(spy.changes, (QVector<QPair<int, bool>>({{function, true}})));
        for (int i = 0; i < NumberOfFunctions; ++i)
            QCOMPARE(blocked->isFunctionBlocked(static_cast<functionID_t>(i)), i == function);
    }

    void unusedBitsAndBadIdsBlockNothing()
    {
        BlockSpy spy(blocked.get());
        spy.attach();
        sendBlocks(0xFFFC0000);
        flush();
        for (int i = 0; i < NumberOfFunctions; ++i)
            QVERIFY(!blocked->isFunctionBlocked(static_cast<functionID_t>(i)));
        QVERIFY(!blocked->isFunctionBlocked(static_cast<functionID_t>(18)));
        QVERIFY(!blocked->isFunctionBlocked(static_cast<functionID_t>(-1)));
        QCOMPARE(state->getFunctionState(static_cast<functionID_t>(99)), FUNCTION_STATE_OK);
    }

    void hdlLevelIsTheTopByteLimitedTo100()
    {
        HdlSpy spy(hdl.get());
        spy.attach();
        QCOMPARE(spy.getHdlString(), QStringLiteral("-"));
        sendDerates(0xFF000000);
        flush();
        QCOMPARE(hdl->getHdlLevel(), 100u);
        QCOMPARE(spy.getHdlString(), QStringLiteral("100%"));
        sendDerates(0x2D646464);
        flush();
        QCOMPARE(spy.getHdlString(), QStringLiteral("45%"));
        QCOMPARE(spy.log, QStringList({"0 0", "100 1", "45 1"}));
    }

    void firstHdlValueOfZeroBlocksEverything()
    {
        StateSpy spy(state.get());
        spy.attach();
        BlockSpy blocks(blocked.get());
        blocks.attach();
        sendDerates(0x00646464); // HDL byte 0, strengths 100
        flush();
        for (int i = 0; i < NumberOfFunctions; ++i) {
            QVERIFY(blocked->isFunctionBlocked(static_cast<functionID_t>(i)));
            QCOMPARE(state->getFunctionState(static_cast<functionID_t>(i)), FUNCTION_STATE_BLOCKED);
        }
        QCOMPARE(spy.states.last(), int(FUNCTION_STATE_BLOCKED));

        // A level above 0 frees them again.
        sendDerates(0x5A646464);
        flush();
        QCOMPARE(countIn(FUNCTION_STATE_OK), NumberOfFunctions);
    }

    void hdlObserverReportsAValidityChangeAlone()
    {
        FakeHdl fake;
        HdlSpy spy(&fake);
        spy.attach();
        fake.valid = true; // level stays 0
        fake.notify();
        flush();
        QCOMPARE(spy.log, QStringList({"0 0", "0 1"}));
        fake.notify();
        flush();
        QCOMPARE(spy.log.size(), 2);
        fake.valid = false;
        fake.level = 30;
        fake.notify();
        flush();
        QCOMPARE(spy.log, QStringList({"0 0", "0 1", "0 0"}));
    }

    void hdlBelow90LimitsEveryFunction()
    {
        StateSpy spy(state.get());
        spy.attach();
        sendDerates(0x59646464); // 89
        flush();
        QCOMPARE(countIn(FUNCTION_STATE_HDL), NumberOfFunctions);
        sendDerates(0x5A646464); // 90
        flush();
        QCOMPARE(countIn(FUNCTION_STATE_OK), NumberOfFunctions);
    }

    void hdlOutranksDerateAndBlockOutranksHdl()
    {
        FakeLoads fakeLoads;
        FakeHdl fakeHdl;
        FunctionStateSubject s(blocked.get(), &fakeHdl, &fakeLoads);
        StateSpy spy(&s);
        fakeLoads.crane = 89.5f;
        fakeHdl.level = 50;
        fakeHdl.valid = true;
        spy.attach();
        for (int i = 0; i < NumberOfFunctions; ++i)
            QCOMPARE(s.getFunctionState(static_cast<functionID_t>(i)), FUNCTION_STATE_HDL);

        fakeHdl.level = 95;
        fakeHdl.notify();
        flush();
        QCOMPARE(s.getFunctionState(FUNCTION_JOINT1_UP), FUNCTION_STATE_DERATED);
        QCOMPARE(s.getFunctionState(FUNCTION_JOINT5_UP), FUNCTION_STATE_OK);

        sendBlocks(1u << 0);
        fakeHdl.level = 10;
        fakeHdl.notify();
        flush();
        QCOMPARE(s.getFunctionState(FUNCTION_JOINT1_UP), FUNCTION_STATE_BLOCKED);
        QCOMPARE(s.getFunctionState(FUNCTION_JOINT1_DOWN), FUNCTION_STATE_HDL);
    }

    void strengthRating_data()
    {
        QTest::addColumn<float>("strength");
        QTest::addColumn<functionState_t>("rating");
        QTest::newRow("exactly 0") << 0.0f << FUNCTION_STATE_BLOCKED;
        QTest::newRow("0.5") << 0.5f << FUNCTION_STATE_DERATED;
        QTest::newRow("89.9") << 89.9f << FUNCTION_STATE_DERATED;
        QTest::newRow("90") << 90.0f << FUNCTION_STATE_OK;
        QTest::newRow("100") << 100.0f << FUNCTION_STATE_OK;
    }

    void strengthRating()
    {
        QFETCH(float, strength);
        QFETCH(functionState_t, rating);
        FakeLoads fakeLoads;
        FakeHdl fakeHdl;
        FunctionStateSubject s(blocked.get(), &fakeHdl, &fakeLoads);
        StateSpy spy(&s);
        fakeLoads.winch = strength;
        spy.attach();
        QCOMPARE(s.getFunctionState(FUNCTION_WINCH_1), rating);
        QCOMPARE(s.getFunctionState(FUNCTION_WINCH_2), rating);
        QCOMPARE(s.getFunctionState(FUNCTION_JOINT1_UP), FUNCTION_STATE_OK);
        QCOMPARE(s.getFunctionState(FUNCTION_EXTRA_1), FUNCTION_STATE_OK);
    }

    void strengthDependentFunctionsAreBlockedUntilTheFirstDerate()
    {
        StateSpy spy(state.get());
        spy.attach();
        QCOMPARE(spy.ids.size(), NumberOfFunctions);
        for (int i = 0; i < NumberOfFunctions; ++i)
            QCOMPARE(spy.ids[i], i);
        for (int i = 0; i < NumberOfFunctions; ++i)
            QCOMPARE(spy.states[i], int(i < FUNCTION_EXTRA_1 ? FUNCTION_STATE_BLOCKED : FUNCTION_STATE_OK));
    }

    void absentFlyjibDependsOnlyOnBlocksAndHdl()
    {
        flyjib->available = false;
        StateSpy spy(state.get());
        spy.attach();
        sendDerates(0x64646400 | 0x50); // crane 80, flyjib 0 (absent), winch 100, HDL 100
        flush();
        QCOMPARE(state->getFunctionState(FUNCTION_JOINT1_UP), FUNCTION_STATE_DERATED);
        QCOMPARE(state->getFunctionState(FUNCTION_JOINT5_UP), FUNCTION_STATE_OK);
        QCOMPARE(state->getFunctionState(FUNCTION_JOINT6_COMPRESS), FUNCTION_STATE_OK);
    }

    void invalidHdlChangesNothing()
    {
        StateSpy spy(state.get());
        spy.attach();
        sendDerates(0x32646464); // 50
        flush();
        QCOMPARE(countIn(FUNCTION_STATE_HDL), NumberOfFunctions);
        NotificationCounter counter(state.get());
        counter.attach();
        state->hdlChanged(0, false);
        flush();
        QCOMPARE(counter.updates, 0);
        QCOMPARE(countIn(FUNCTION_STATE_HDL), NumberOfFunctions);
    }

    void blocksKeepFollowingHdlWhileAnyoneObserves()
    {
        BlockSpy first(blocked.get());
        BlockSpy second(blocked.get());
        first.attach();
        second.attach();
        HdlSpy keepHdlSubscribed(hdl.get());
        keepHdlSubscribed.attach();
        second.detach();
        sendDerates(0x00646464);
        flush();
        QVERIFY(blocked->isFunctionBlocked(FUNCTION_EXTRA_4));
        first.detach();
        QCOMPARE(hdl->getNumberOfAttachedObservers(), 1);
        QVERIFY(!subscribed(mpdo.get(), 0x2111, 1));
    }

    void lastObserverDetachesTheSources()
    {
        {
            StateSpy spy(state.get());
            spy.attach();
            QCOMPARE(blocked->getNumberOfAttachedObservers(), 1);
            QCOMPARE(hdl->getNumberOfAttachedObservers(), 2); // state and the block subject
            QCOMPARE(loads->getNumberOfAttachedObservers(), 1);
        }
        QCOMPARE(blocked->getNumberOfAttachedObservers(), 0);
        QCOMPARE(hdl->getNumberOfAttachedObservers(), 0);
        QCOMPARE(loads->getNumberOfAttachedObservers(), 0);
        QVERIFY(!subscribed(mpdo.get(), 0x48E7));
        QVERIFY(!hdl->isHdlLoadValid());
    }
};

QTEST_GUILESS_MAIN(FunctionStateTest)
#include "functionstatetest.moc"
