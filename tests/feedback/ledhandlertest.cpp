#include "core/OscillatorSubject.h"
#include "core/SettingsSubject.h"
#include "feedback/LedHandler.h"
#include "model/CbsSubject.h"
#include "model/FlyjibAvailableSubject.h"
#include "model/HdlSubject.h"
#include "model/LoadsAndDerateSubject.h"
#include "model/StabIndicationSubject.h"
#include "model/UiModeSubject.h"
#include "model/WinchAvailableSubject.h"
#include "model/stabActiveSideSubject.h"
#include "platform/RcLinkSubject.h"
#include "support/TestSandbox.h"

#include <QSettings>
#include <QtTest>

#include <memory>

namespace {

using Color = LedControl::ledColor_t;
using Bar = QVector<int>;
constexpr int G = LedControl::LED_GREEN;
constexpr int Y = LedControl::LED_YELLOW;
constexpr int R = LedControl::LED_RED;
constexpr int O = LedControl::LED_OFF;

class RecordingLeds : public LedControl {
public:
    void setLed(led_t led, ledColor_t color) override
    {
        writes.append(qMakePair(int(led), int(color)));
        if (led >= 0 && led < 5)
            state[led] = color;
    }
    Bar bar() const { return Bar {state[0], state[1], state[2], state[3], state[4]}; }
    QVector<QPair<int, int>> writes;
    int state[5] = {-1, -1, -1, -1, -1};
};

class FakeHdl : public HdlSubject {
public:
    unsigned int getHdlLevel() override { return valid ? level : 0; }
    bool isHdlLoadValid() override { return valid; }
    unsigned int level = 0;
    bool valid = false;
};

class FakeLoads : public LoadsAndDerateSubject {
public:
    float getCraneLoad() override { return loadValid ? crane : 0; }
    float getWinchLoad() override { return loadValid ? winch : 0; }
    float getFlyjibLoad() override { return loadValid ? flyjib : 0; }
    float getCraneStrength() override { return strengthValid ? craneStrength : 0; }
    float getWinchStrength() override { return strengthValid ? winchStrength : 0; }
    float getFlyjibStrength() override { return strengthValid ? flyjibStrength : 0; }
    float getStrength() override { return qMin(getCraneStrength(), qMin(getWinchStrength(), getFlyjibStrength())); }
    float getEvsLoad() override { return evs; }
    bool isLoadValid() override { return loadValid; }
    bool isStrengthValid() override { return strengthValid; }
    float crane = 0, winch = 0, flyjib = 0, evs = 0;
    float craneStrength = 100, winchStrength = 100, flyjibStrength = 100;
    bool loadValid = true, strengthValid = true;
};

class FakeCbs : public CbsSubject {
public:
    bool isCbsActive() override { return active; }
    bool active = false;
};

class FakeStabs : public StabIndicationSubject {
public:
    bool isStabIndicatorEnabled(stab_t s) override { return isValidStab(s) && enabled[s]; }
    bool getStabIndication(stab_t s) override { return isValidStab(s) && set[s]; }
    bool stabErrorIndication() override { return false; }
    bool isExtraStabEnabled() override { return enabled[6] || enabled[7] || enabled[8]; }
    void fit(std::initializer_list<int> stabs, bool isSet)
    {
        for (int s : stabs) {
            enabled[s] = true;
            set[s] = isSet;
        }
    }
    bool enabled[NumberOfStabs] = {};
    bool set[NumberOfStabs] = {};
};

// A good radio link, so the UI state only follows the controller.
class GoodLink : public RcLinkSubject {
public:
    void setSignalStrengh(unsigned int) override {}
    void setCabledConnection(bool) override {}
    void setConnectionPaired(bool) override {}
    bool isConnectionPaired() override { return true; }
    bool isConnectionCabled() override { return false; }
    int getSignalStrengh() override { return 50; }
};

class FakeSide : public stabActiveSideSubject {
public:
    activeStabSide_t getActiveSide() override { return side; }
    activeStabSide_t side = STAB_SIDE_NONE;
};

} // namespace

class LedHandlerTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TestSandbox> sandbox;
    std::unique_ptr<QSettings> qsettings;
    std::unique_ptr<SettingsSubject> settings;
    std::unique_ptr<RecordingLeds> leds;
    std::unique_ptr<FakeHdl> hdl;
    std::unique_ptr<FakeLoads> loads;
    std::unique_ptr<FlyjibAvailableSubject> flyjib;
    std::unique_ptr<WinchAvailableSubject> winch;
    std::unique_ptr<FakeStabs> stabs;
    std::unique_ptr<FakeSide> side;
    std::unique_ptr<GoodLink> link;
    std::unique_ptr<UiModeSubject> uiMode;
    std::unique_ptr<OscillatorSubject> oscillator;
    std::unique_ptr<FakeCbs> cbs;
    std::unique_ptr<LedHandler> handler;

    static void deliver() { QCoreApplication::processEvents(); }

    void build(ledPanelType_t panel)
    {
        qsettings->setValue("LedPanel/Type", unsigned(panel));
        settings.reset(new SettingsSubject(qsettings.get()));
        handler.reset(new LedHandler(leds.get(), hdl.get(), loads.get(), flyjib.get(), winch.get(), stabs.get(),
                                     side.get(), uiMode.get(), oscillator.get(), cbs.get(), settings.get()));
    }

    // Crane mode on the bar panel with the given values already at the subjects.
    Bar craneBar()
    {
        build(LEDPANEL_BAR);
        handler->uiModeChange(UiModeSubject::UI_CRANE);
        return leds->bar();
    }

    Bar stabBar(activeStabSide_t activeSide, bool blink)
    {
        side->side = activeSide;
        build(LEDPANEL_BAR);
        handler->uiModeChange(UiModeSubject::UI_STAB);
        handler->oscilate800ms(blink);
        return leds->bar();
    }

private slots:
    void init()
    {
        sandbox.reset(new TestSandbox);
        sandbox->writeStub("sync", "exit 0\n");
        qsettings.reset(new QSettings(sandbox->path() + "/settings.ini", QSettings::IniFormat));
        leds.reset(new RecordingLeds);
        hdl.reset(new FakeHdl);
        hdl->level = 100;
        hdl->valid = true;
        loads.reset(new FakeLoads);
        flyjib.reset(new FlyjibAvailableSubject);
        winch.reset(new WinchAvailableSubject);
        stabs.reset(new FakeStabs);
        side.reset(new FakeSide);
        link.reset(new GoodLink);
        uiMode.reset(new UiModeSubject(link.get(), nullptr, nullptr, nullptr, nullptr));
        oscillator.reset(new OscillatorSubject);
        cbs.reset(new FakeCbs);
    }

    void cleanup()
    {
        handler.reset();
        deliver();
        cbs.reset();
        oscillator.reset();
        uiMode.reset();
        link.reset();
        side.reset();
        stabs.reset();
        winch.reset();
        flyjib.reset();
        loads.reset();
        hdl.reset();
        leds.reset();
        settings.reset();
        qsettings.reset();
        sandbox.reset();
    }

    void startsDarkWatchingOnlyStateSettingsAndBlink()
    {
        build(LEDPANEL_BAR);
        QCOMPARE(leds->bar(), (Bar {O, O, O, O, O}));
        QCOMPARE(uiMode->getNumberOfAttachedObservers(), 1);
        QCOMPARE(settings->getNumberOfAttachedObservers(), 1);
        QCOMPARE(oscillator->getNumberOfAttachedObservers(), 1);
        QCOMPARE(loads->getNumberOfAttachedObservers(), 0);
        QCOMPARE(hdl->getNumberOfAttachedObservers(), 0);
        QCOMPARE(stabs->getNumberOfAttachedObservers(), 0);
        QCOMPARE(side->getNumberOfAttachedObservers(), 0);
        QCOMPARE(cbs->getNumberOfAttachedObservers(), 0);

        handler.reset();
        leds.reset(new RecordingLeds);
        build(LEDPANEL_FUNCTION);
        QCOMPARE(leds->bar(), (Bar {O, O, O, O, O}));
    }

    void subscriptionsFollowTheOperatingMode()
    {
        build(LEDPANEL_BAR);
        auto counts = [this] {
            return QVector<int> {hdl->getNumberOfAttachedObservers(), loads->getNumberOfAttachedObservers(),
                                 flyjib->getNumberOfAttachedObservers(), winch->getNumberOfAttachedObservers(),
                                 cbs->getNumberOfAttachedObservers(), stabs->getNumberOfAttachedObservers(),
                                 side->getNumberOfAttachedObservers()};
        };
        handler->uiModeChange(UiModeSubject::UI_CRANE);
        QCOMPARE(counts(), (QVector<int> {1, 1, 1, 1, 1, 0, 0}));
        handler->uiModeChange(UiModeSubject::UI_STAB);
        QCOMPARE(counts(), (QVector<int> {0, 0, 0, 0, 0, 1, 1}));
        handler->uiModeChange(UiModeSubject::UI_ERROR);
        QCOMPARE(counts(), (QVector<int> {0, 0, 0, 0, 0, 1, 1}));
        QCOMPARE(leds->bar(), (Bar {R, R, R, R, R}));
    }

    void followsTheUiModeSubject()
    {
        loads->crane = 75;
        build(LEDPANEL_BAR);
        uiMode->rclColorDisplayDriverVersionChanged(3);
        uiMode->rclModeChanged(RclModeSubject::MODE_CRANE);
        QCOMPARE(leds->bar(), (Bar {O, O, O, O, O})); // queued
        deliver();
        QCOMPARE(loads->getNumberOfAttachedObservers(), 1);
        QCOMPARE(leds->bar(), (Bar {G, G, Y, G, G}));
    }

    void craneBarLevels_data()
    {
        QTest::addColumn<float>("load");
        QTest::addColumn<float>("strength");
        QTest::addColumn<unsigned int>("hdlLevel");
        QTest::addColumn<Bar>("bar");
        QTest::newRow("load 75") << 75.0f << 100.0f << 100u << Bar {G, G, Y, G, G};
        QTest::newRow("strength 50 is level 84") << 10.0f << 50.0f << 100u << Bar {G, Y, Y, Y, G};
        QTest::newRow("strength 0 is level 99") << 0.0f << 0.0f << 100u << Bar {R, R, R, R, R};
        QTest::newRow("HDL 50 is level 79") << 0.0f << 100.0f << 50u << Bar {G, G, Y, G, G};
        QTest::newRow("HDL 0 is level 99") << 0.0f << 100.0f << 0u << Bar {R, R, R, R, R};
        QTest::newRow("load 69") << 69.0f << 100.0f << 100u << Bar {G, G, G, G, G};
        QTest::newRow("load 70") << 70.0f << 100.0f << 100u << Bar {G, G, Y, G, G};
        QTest::newRow("load 89") << 89.9f << 100.0f << 100u << Bar {G, Y, Y, Y, G};
        QTest::newRow("load 90") << 90.0f << 100.0f << 100u << Bar {Y, Y, Y, Y, Y};
        QTest::newRow("load 94") << 94.0f << 100.0f << 100u << Bar {Y, Y, R, Y, Y};
        QTest::newRow("load 96") << 96.0f << 100.0f << 100u << Bar {Y, R, R, R, Y};
        QTest::newRow("load 98") << 98.0f << 100.0f << 100u << Bar {R, R, R, R, R};
        QTest::newRow("load 255") << 255.0f << 100.0f << 100u << Bar {R, R, R, R, R};
    }
    void craneBarLevels()
    {
        QFETCH(float, load);
        QFETCH(float, strength);
        QFETCH(unsigned int, hdlLevel);
        QFETCH(Bar, bar);
        loads->crane = load;
        loads->craneStrength = strength;
        hdl->level = hdlLevel;
        QCOMPARE(craneBar(), bar);
    }

    void everyLoadAndStrengthCounts()
    {
        loads->evs = 95; // EVS load counts with the others
        QCOMPARE(craneBar(), (Bar {Y, Y, R, Y, Y}));
        handler.reset();
        loads->evs = 0;
        loads->winchStrength = 50;
        QCOMPARE(craneBar(), (Bar {G, Y, Y, Y, G}));
    }

    void invalidReportsKeepThePreviousValues()
    {
        loads->crane = 80;
        QCOMPARE(craneBar(), (Bar {G, Y, Y, Y, G}));
        // The controller's loads go invalid (the subject then reads 0).
        loads->loadValid = false;
        loads->notify();
        deliver();
        QCOMPARE(leds->bar(), (Bar {G, Y, Y, Y, G}));

        hdl->level = 0;
        hdl->valid = false;
        hdl->notify();
        deliver();
        QCOMPARE(leds->bar(), (Bar {G, Y, Y, Y, G}));
    }

    void stabBarBlinksTheActiveSide()
    {
        stabs->fit({1, 2, 3, 4}, true);
        QCOMPARE(stabBar(STAB_SIDE_LEFT, true), (Bar {G, G, O, G, G}));
        handler->oscilate800ms(false);
        QCOMPARE(leds->bar(), (Bar {O, O, O, G, G}));

        // Driven by the shared blink clock.
        oscillator->oscilate800ms();
        deliver();
        QCOMPARE(leds->bar(), (Bar {G, G, O, G, G}));

        handler.reset();
        QCOMPARE(stabBar(STAB_SIDE_RIGHT, false), (Bar {G, G, O, O, O}));
        handler.reset();
        QCOMPARE(stabBar(STAB_SIDE_NONE, false), (Bar {G, G, O, G, G}));
    }

    void stabBarGroups_data()
    {
        QTest::addColumn<QVector<int>>("fittedSet");
        QTest::addColumn<QVector<int>>("fittedNotSet");
        QTest::addColumn<Bar>("bar");
        QTest::newRow("left pair only, both set: empty right group is green")
            << QVector<int> {1, 2} << QVector<int> {} << Bar {G, G, O, G, G};
        QTest::newRow("left pair only, one not set")
            << QVector<int> {1} << QVector<int> {2} << Bar {Y, Y, O, G, G};
        QTest::newRow("all four main: outer positions show the down legs crosswise")
            << QVector<int> {1, 2, 4} << QVector<int> {3} << Bar {G, G, O, G, Y};
        QTest::newRow("all four main, left down not set")
            << QVector<int> {2, 3, 4} << QVector<int> {1} << Bar {Y, G, O, G, G};
        QTest::newRow("extra 5 fitted but not set")
            << QVector<int> {1, 2, 3, 4} << QVector<int> {5} << Bar {Y, G, O, G, G};
        QTest::newRow("extras on the right")
            << QVector<int> {1, 2, 3, 4, 7} << QVector<int> {8} << Bar {G, G, O, G, Y};
        QTest::newRow("no main stabiliser: only the centre can light")
            << QVector<int> {0, 5, 6} << QVector<int> {7} << Bar {O, O, G, O, O};
        QTest::newRow("front fitted, not set") << QVector<int> {1, 2, 3, 4} << QVector<int> {0} << Bar {G, G, Y, G, G};
        QTest::newRow("nothing fitted") << QVector<int> {} << QVector<int> {} << Bar {O, O, O, O, O};
        QTest::newRow("rear centre does not take part") << QVector<int> {1, 2} << QVector<int> {9} << Bar {G, G, O, G, G};
    }
    void stabBarGroups()
    {
        QFETCH(QVector<int>, fittedSet);
        QFETCH(QVector<int>, fittedNotSet);
        QFETCH(Bar, bar);
        for (int s : fittedSet)
            stabs->fit({s}, true);
        for (int s : fittedNotSet)
            stabs->fit({s}, false);
        QCOMPARE(stabBar(STAB_SIDE_NONE, true), bar);
    }

    void stabReportsOutsideTheTableAreIgnored()
    {
        stabs->fit({1, 2}, true);
        QCOMPARE(stabBar(STAB_SIDE_NONE, true), (Bar {G, G, O, G, G}));
        handler->stabEnabledChanged(STAB_PAS_DOWN, true);
        handler->stabSetIndicationChanged(STAB_PAS_DOWN, true);
        handler->stabEnabledChanged(stab_t(10), true);
        handler->stabSetIndicationChanged(stab_t(-1), false);
        handler->stabEnabledChanged(stab_t(100000), true);
        QCOMPARE(leds->bar(), (Bar {G, G, O, G, G}));
    }

    void blinkOnlyRunsTheStabBarInStabMode()
    {
        stabs->fit({1, 2, 3, 4}, true);
        side->side = STAB_SIDE_LEFT;
        build(LEDPANEL_BAR);
        handler->uiModeChange(UiModeSubject::UI_CRANE);
        leds->writes.clear();
        handler->oscilate800ms(false);
        handler->oscilate800ms(true);
        QVERIFY(leds->writes.isEmpty());
    }

    void panelSwitchTurnsOffThenSetsFunctionLeds()
    {
        loads->crane = 50;
        cbs->active = true;
        QCOMPARE(craneBar(), (Bar {G, G, G, G, G}));
        leds->writes.clear();
        settings->setLedPanelType(LEDPANEL_FUNCTION);
        deliver();
        const QVector<QPair<int, int>> expected {
            {0, O}, {1, O}, {2, O}, {3, O}, {4, O}, // all off first
            {0, G}, {2, G}, {3, G}, {1, G}, {4, G}, // mode, load, strength, HDL, slew
        };
        QCOMPARE(leds->writes, expected);
    }

    void functionPanelThresholds_data()
    {
        QTest::addColumn<float>("load");
        QTest::addColumn<float>("strength");
        QTest::addColumn<unsigned int>("hdlLevel");
        QTest::addColumn<int>("loadLed");
        QTest::addColumn<int>("strengthLed");
        QTest::addColumn<int>("hdlLed");
        QTest::newRow("load 89") << 89.0f << 100.0f << 100u << G << G << G;
        QTest::newRow("load 90") << 90.0f << 100.0f << 100u << Y << G << G;
        QTest::newRow("load 100") << 100.0f << 100.0f << 100u << R << G << G;
        QTest::newRow("strength 99") << 0.0f << 99.0f << 100u << G << Y << G;
        QTest::newRow("strength 11") << 0.0f << 11.0f << 100u << G << Y << G;
        QTest::newRow("strength 10") << 0.0f << 10.0f << 100u << G << R << G;
        QTest::newRow("HDL 99") << 0.0f << 100.0f << 99u << G << G << Y;
        QTest::newRow("HDL 1") << 0.0f << 100.0f << 1u << G << G << Y;
        QTest::newRow("HDL 0") << 0.0f << 100.0f << 0u << G << G << R;
    }
    void functionPanelThresholds()
    {
        QFETCH(float, load);
        QFETCH(float, strength);
        QFETCH(unsigned int, hdlLevel);
        QFETCH(int, loadLed);
        QFETCH(int, strengthLed);
        QFETCH(int, hdlLed);
        loads->flyjib = load;
        loads->flyjibStrength = strength;
        hdl->level = hdlLevel;
        build(LEDPANEL_FUNCTION);
        handler->uiModeChange(UiModeSubject::UI_CRANE);
        QCOMPARE(leds->bar(), (Bar {G, hdlLed, loadLed, strengthLed, O}));
    }

    void slewLedFollowsCbsInCraneModeOnly()
    {
        build(LEDPANEL_FUNCTION);
        handler->uiModeChange(UiModeSubject::UI_CRANE);
        QCOMPARE(leds->state[LedControl::LED_SLEW], O);
        cbs->active = true;
        cbs->notify();
        deliver();
        QCOMPARE(leds->state[LedControl::LED_SLEW], G);
        handler->uiModeChange(UiModeSubject::UI_STAB);
        QCOMPARE(leds->bar(), (Bar {Y, O, O, O, O}));
    }

    void screensWithoutOperation_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<Bar>("barPanel");
        QTest::addColumn<int>("modeLed");
        QTest::newRow("not paired") << 0 << Bar {R, R, R, R, R} << R;
        QTest::newRow("controller update") << 1 << Bar {R, R, R, R, R} << R;
        QTest::newRow("no signal") << 2 << Bar {R, R, R, R, R} << R;
        QTest::newRow("display update") << 3 << Bar {O, O, O, O, O} << R;
        QTest::newRow("init") << 4 << Bar {O, O, O, O, O} << O;
        QTest::newRow("override") << 5 << Bar {O, O, O, O, O} << R;
        QTest::newRow("error") << 6 << Bar {R, R, R, R, R} << R;
        QTest::newRow("sleep") << 9 << Bar {O, O, O, O, O} << O;
        QTest::newRow("stop") << 10 << Bar {O, O, O, O, O} << R;
    }
    void screensWithoutOperation()
    {
        QFETCH(int, state);
        QFETCH(Bar, barPanel);
        QFETCH(int, modeLed);
        loads->crane = 100; // would light the load LED in crane mode
        build(LEDPANEL_BAR);
        handler->uiModeChange(UiModeSubject::UI_CRANE);
        handler->uiModeChange(UiModeSubject::uiState_t(state));
        QCOMPARE(leds->bar(), barPanel);

        handler.reset();
        build(LEDPANEL_FUNCTION);
        handler->uiModeChange(UiModeSubject::UI_CRANE);
        handler->uiModeChange(UiModeSubject::uiState_t(state));
        QCOMPARE(leds->bar(), (Bar {modeLed, O, O, O, O}));
    }

    void unknownPanelTypeWritesNothing()
    {
        build(LEDPANEL_BAR);
        leds->writes.clear();
        handler->ledPanelTypeChanged(ledPanelType_t(2));
        QCOMPARE(leds->writes.size(), 5); // only the switch-off
        handler->uiModeChange(UiModeSubject::UI_CRANE);
        QCOMPARE(leds->writes.size(), 5);
    }
};

QTEST_GUILESS_MAIN(LedHandlerTest)
#include "ledhandlertest.moc"
