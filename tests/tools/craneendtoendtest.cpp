#include "ControllerSimulator.h"
#include "CraneModel.h"
#include "SimulatorBackend.h"

#include "app/CenterViewFactory.h"
#include "app/VemorToQt.h"
#include "app/nordelappwidget.h"
#include "can/MpdoSubject.h"
#include "core/Observer.h"
#include "core/SettingsSubject.h"
#include "model/UiModeSubject.h"
#include "support/TestSandbox.h"
#include "ui/MainWidget.h"

#include "Configuration.h"
#include "VemorPlatform.h"

#include <QProgressBar>
#include <QSet>
#include <QTest>

#include <cmath>

namespace {
// Extra subscriptions beyond what the screens want.
class ExtraWant : public Observer {
public:
    ExtraWant()
        : Observer(nullptr)
    {
    }
    virtual ~ExtraWant() = default;
    void attach() override {}
    void detach() override {}
    void update() override {}
};

constexpr int Generous = 8000;
}

// The whole display, offscreen, on the simulated crane through the platform
// stand-in: what the operator would see and what the LEDs show.
class CraneEndToEndTest : public QObject {
    Q_OBJECT

private:
    TestSandbox* sandbox = nullptr;
    SimulatorBackend* sim = nullptr;
    VemorPlatform* platform = nullptr;
    MainWidget* main = nullptr;

    void set(const char* name, double value) { QVERIFY(sim->model()->set(QLatin1String(name), value)); }
    int uiState() const { return main ? main->getCurrentState() : -1; }
    bool barShows(int value) const
    {
        const auto bars = VemorToQt::intance->findChildren<QProgressBar*>();
        for (const QProgressBar* b : bars) {
            if (b->isVisible() && b->value() == value)
                return true;
        }
        return false;
    }
    QString leds() const
    {
        QString s;
        for (int i = 0; i < VemorPlatform::LedCount; ++i)
            s += QString::number(platform->led(i));
        return s;
    }
    bool allLeds(LedColor c) const
    {
        for (int i = 0; i < VemorPlatform::LedCount; ++i) {
            if (platform->led(i) != c)
                return false;
        }
        return true;
    }
    // Every entry the display keeps in its table sits at the same position
    // in the controller's, and has received a value.
    bool tablesAgreeAndValuesArrived() const
    {
        const MpdoSubject* mpdo = CenterViewFactory::mpdoSubject;
        for (int k = 0; k < MpdoSubject::NumberOfEntries; ++k) {
            const MpdoSubject::mpdoEntry_t* slot = mpdo->slot(k);
            const ControllerSimulator::Entry e = sim->controller()->entry(k + 1);
            if (!slot || slot->index != e.index || (slot->index && slot->subIndex != e.subIndex))
                return false;
            unsigned int value = 0;
            if (slot->index && sim->model()->entryValue(slot->index, slot->subIndex, value) && !slot->valid)
                return false;
        }
        return true;
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(nordel_resources);
        sandbox = new TestSandbox;
        QVERIFY(sandbox->isValid());
        sandbox->writeStub(QStringLiteral("sync"), "exit 0\n");
        platform = VemorPlatform::instance();
        sim = new SimulatorBackend(platform);
        sim->controller()->setCyclePeriod(50);
        // The controller has not yet told its driver version: splash.
        set("driver.version", std::nan(""));
        set("mode", 1);
        auto* config = new Configuration;
        config->init();
        platform->setConfiguration(config);
        platform->setCanBackend(sim);
        QVERIFY(VemorToQt::intance && VemorToQt::intance->appWidget());
        main = VemorToQt::intance->appWidget()->mainWidget();
        QVERIFY(main);
        VemorToQt::intance->show();
        platform->sendSystemMessages();
        platform->startPeriodicMessages();
        sim->start();
    }

    void cleanupTestCase() { delete sandbox; }

    void splashUntilTheDriverVersionArrives()
    {
        // The display writes its table and gets values, but no version.
        QTRY_VERIFY_WITH_TIMEOUT(sim->controller()->usedEntries() >= 10, Generous);
        QTest::qWait(1000);
        QCOMPARE(uiState(), int(UiModeSubject::UI_INIT));
        set("driver.version", 3);
        QTRY_COMPARE_WITH_TIMEOUT(uiState(), int(UiModeSubject::UI_CRANE), Generous);
    }

    void barsAndLedsFollowTheLoad()
    {
        set("crane.load", 20);
        QTRY_VERIFY2_WITH_TIMEOUT(platform->led(2) == LED_COLOR_GREEN, qPrintable(leds()), Generous);
        // Past 100 % the load reaches the top of the bar.
        set("crane.load", 101);
        QTRY_VERIFY2_WITH_TIMEOUT(platform->led(2) == LED_COLOR_RED, qPrintable(leds()), Generous);
        set("crane.load", 57);
        QTRY_VERIFY_WITH_TIMEOUT(barShows(57), Generous);
        // No strength left. A new unit has the function panel: mode green,
        // HDL and load green, strength red, slew off.
        set("crane.strength", 0);
        QTRY_VERIFY2_WITH_TIMEOUT(leds() == QLatin1String("00023"), qPrintable(leds()), Generous);
        // On the bar panel the whole bar turns red.
        CenterViewFactory::subjectSettings->setLedPanelType(LEDPANEL_BAR);
        QTRY_VERIFY2_WITH_TIMEOUT(allLeds(LED_COLOR_RED), qPrintable(leds()), Generous);
        set("crane.strength", 100);
        set("crane.load", 20);
        QTRY_VERIFY2_WITH_TIMEOUT(leds() == QLatin1String("00000"), qPrintable(leds()), Generous);
    }

    void noSignalAndBack()
    {
        sim->setQuantity(QStringLiteral("radio.signal"), 0);
        QTRY_COMPARE_WITH_TIMEOUT(uiState(), int(UiModeSubject::UI_NO_SIGNAL), Generous);
        QTRY_VERIFY2_WITH_TIMEOUT(allLeds(LED_COLOR_RED), qPrintable(leds()), Generous);
        sim->setQuantity(QStringLiteral("radio.signal"), 15);
        QTRY_COMPARE_WITH_TIMEOUT(uiState(), int(UiModeSubject::UI_CRANE), Generous);
    }

    void errorScreen()
    {
        set("error", 23);
        QTRY_COMPARE_WITH_TIMEOUT(uiState(), int(UiModeSubject::UI_ERROR), Generous);
        QVERIFY(!main->getErrorText().isEmpty());
        set("error", 1); // not an error
        QTRY_COMPARE_WITH_TIMEOUT(uiState(), int(UiModeSubject::UI_CRANE), Generous);
    }

    void overrideCountsDown()
    {
        set("override.time", 30);
        set("override", 1);
        QTRY_COMPARE_WITH_TIMEOUT(uiState(), int(UiModeSubject::UI_OVERRIDE), Generous);
        QTRY_VERIFY_WITH_TIMEOUT(!main->getOverrideText().isEmpty(), Generous);
        const QString first = main->getOverrideText();
        QTRY_VERIFY_WITH_TIMEOUT(main->getOverrideText() != first, Generous);
        set("override", 0);
        QTRY_COMPARE_WITH_TIMEOUT(uiState(), int(UiModeSubject::UI_CRANE), Generous);
    }

    void stabiliserLedsBlinkOnTheActiveSide()
    {
        set("stab.side", 0);
        set("mode", 2);
        QTRY_COMPARE_WITH_TIMEOUT(uiState(), int(UiModeSubject::UI_STAB), Generous);
        // The set states arrive a cycle after the mode: wait for them.
        QTRY_VERIFY2_WITH_TIMEOUT(platform->led(4) == LED_COLOR_GREEN, qPrintable(leds()), Generous);
        // Sampled over two blink periods: the left pair goes green and off,
        // the right pair stays green.
        QSet<int> left, right;
        for (int i = 0; i < 16; ++i) {
            QTest::qWait(200);
            left.insert(platform->led(0));
            right.insert(platform->led(4));
        }
        const bool blinks = left.contains(LED_COLOR_OFF) && left.contains(LED_COLOR_GREEN)
            && right == QSet<int> {LED_COLOR_GREEN};
        QVERIFY2(blinks, qPrintable(leds()));
        set("mode", 1);
        QTRY_COMPARE_WITH_TIMEOUT(uiState(), int(UiModeSubject::UI_CRANE), Generous);
    }

    void recoversAfterControllerSilence()
    {
        set("crane.load", 20);
        QTRY_VERIFY_WITH_TIMEOUT(barShows(20), Generous);
        set("controller.silent", 1);
        QTest::qWait(4000);
        QCOMPARE(sim->controller()->usedEntries(), 0);
        set("crane.load", 66);
        set("controller.silent", 0);
        // The display rewrites its table; the new value comes through.
        QTRY_VERIFY_WITH_TIMEOUT(sim->controller()->usedEntries() >= 10, Generous);
        QTRY_VERIFY_WITH_TIMEOUT(barShows(66), Generous);
        QTRY_VERIFY_WITH_TIMEOUT(tablesAgreeAndValuesArrived(), Generous);
    }

    void moreEntriesWantedThanTheTableHolds()
    {
        MpdoSubject* mpdo = CenterViewFactory::mpdoSubject;
        QVERIFY(mpdo);
        static ExtraWant want;
        int wanted = 0;
        for (int k = 0; k < MpdoSubject::NumberOfEntries; ++k)
            wanted += mpdo->slot(k)->index ? 1 : 0;
        wanted += mpdo->getNumberOfWaitingEntries();
        QVector<unsigned int> added;
        for (unsigned int key : CraneModel::knownEntries()) {
            if (wanted >= 25)
                break;
            if (mpdo->getMpdoEntry(key >> 8, key & 0xFF))
                continue;
            mpdo->setMpdoEntry(&want, key >> 8, key & 0xFF);
            added << key;
            ++wanted;
        }
        QVERIFY(wanted >= 25);
        QVERIFY(mpdo->getNumberOfWaitingEntries() > 0);
        QTRY_VERIFY_WITH_TIMEOUT(tablesAgreeAndValuesArrived(), Generous);
        // Giving up extra entries frees positions for the waiting ones, which
        // then arrive too.
        for (unsigned int key : added)
            mpdo->clearMpdoEntry(&want, key >> 8, key & 0xFF);
        QTRY_VERIFY_WITH_TIMEOUT(tablesAgreeAndValuesArrived(), Generous);
        QTRY_COMPARE_WITH_TIMEOUT(sim->controller()->usedEntries(),
                                  [mpdo] {
                                      int n = 0;
                                      for (int k = 0; k < MpdoSubject::NumberOfEntries; ++k)
                                          n += mpdo->slot(k)->index ? 1 : 0;
                                      return n;
                                  }(),
                                  Generous);
    }
};

QTEST_MAIN(CraneEndToEndTest)
#include "craneendtoendtest.moc"
