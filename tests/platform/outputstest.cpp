#include "core/SettingsSubject.h"
#include "model/RclBuzzerSubject.h"
#include "platform/AppVerSubject.h"
#include "platform/AppVersionOberver.h"
#include "platform/BacklightHandler.h"
#include "platform/BuzzerHandler.h"
#include "platform/VemorRcBacklightSubject.h"
#include "platform/VemorRcBuzzerCtrlSubject.h"
#include "platform/VemorRcLedControl.h"

#include "support/TestSandbox.h"

#include "VemorPlatform.h"
#include "View.h"

#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(BuzzerConfig)

namespace {

QByteArray bytesOf(const BuzzerConfig& c)
{
    return QByteArray(reinterpret_cast<const char*>(c.bytes), 5);
}

// Controller buzzer request under the test's control.
class FakeBuzzerRequest : public RclBuzzerSubject {
public:
    bool on = false;
    unsigned int timeMs = 0;
    bool getBuzzerState() override { return on; }
    unsigned int getBuzzerTimeMs() override { return timeMs; }
};

class VersionRecorder : public AppVersionOberver {
public:
    using AppVersionOberver::AppVersionOberver;
    ~VersionRecorder() override = default;
    void appVersionChanged(QString v) override { calls << QStringLiteral("app ") + v; }
    void gitVersionChanged(QString v) override { calls << QStringLiteral("git ") + v; }
    QStringList calls;
};

} // namespace

class OutputsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void buzzerPattern_data();
    void buzzerPattern();
    void buzzerClearAndMissingView();
    void backlightSteps_data();
    void backlightSteps();
    void backlightAppliesStoredValuesOnlyLater();
    void ledMappingAndOrder_data();
    void ledMappingAndOrder();
    void ledOutOfRangeIgnored();
    void backlightHandlerFollowsSettings();
    void buzzerHandlerFollowsController();
    void appVersionStrings();

private:
    View view;
};

void OutputsTest::initTestCase()
{
    qRegisterMetaType<BuzzerConfig>();
}

void OutputsTest::buzzerPattern_data()
{
    QTest::addColumn<unsigned int>("value");
    QTest::addColumn<unsigned int>("steps");
    QTest::newRow("0") << 0u << 1u;
    QTest::newRow("79") << 79u << 1u;
    QTest::newRow("80") << 80u << 1u;
    QTest::newRow("119 rounds down") << 119u << 1u;
    QTest::newRow("120 rounds half up") << 120u << 2u;
    QTest::newRow("200") << 200u << 3u;
    QTest::newRow("largest representable count") << 10159u << 127u;
    QTest::newRow("would wrap to 0 in seven bits") << 10240u << 127u;
    QTest::newRow("huge value") << 0xFFFFFFFFu << 127u;
}

void OutputsTest::buzzerPattern()
{
    QFETCH(unsigned int, value);
    QFETCH(unsigned int, steps);
    VemorRcBuzzerCtrlSubject buzzer(&view);
    QSignalSpy spy(VemorPlatform::instance(), &VemorPlatform::buzzerChanged);
    buzzer.setBuzzer(value);
    QCOMPARE(buzzer.getBuzzerSteps(), steps);
    QCOMPARE(spy.count(), 1);
    const unsigned char n = static_cast<unsigned char>(steps);
    const QByteArray expected = QByteArray() + char(n) + char(n | 0x80) + char(n) + char(1) + char(0x11);
    QCOMPARE(bytesOf(spy.at(0).at(0).value<BuzzerConfig>()).toHex(), expected.toHex());
}

void OutputsTest::buzzerClearAndMissingView()
{
    VemorRcBuzzerCtrlSubject buzzer(&view);
    QSignalSpy spy(VemorPlatform::instance(), &VemorPlatform::buzzerChanged);
    buzzer.clearBuzzer();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(bytesOf(spy.at(0).at(0).value<BuzzerConfig>()).toHex(), QByteArray("0080008000"));

    VemorRcBuzzerCtrlSubject detached(nullptr);
    detached.setBuzzer(200);
    detached.clearBuzzer();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(detached.getBuzzerSteps(), 3u);
}

void OutputsTest::backlightSteps_data()
{
    QTest::addColumn<unsigned int>("level");
    QTest::addColumn<int>("step");
    QTest::newRow("0 is kept at the dimmest step") << 0u << 1;
    QTest::newRow("7") << 7u << 1;
    QTest::newRow("8") << 8u << 1;
    QTest::newRow("21 rounds down") << 21u << 1;
    QTest::newRow("22") << 22u << 2;
    QTest::newRow("50 rounds half away from zero") << 50u << 4;
    QTest::newRow("100") << 100u << 7;
    QTest::newRow("above 100 capped") << 250u << 7;
    QTest::newRow("far above 255") << 100000u << 7;
}

void OutputsTest::backlightSteps()
{
    QFETCH(unsigned int, level);
    QFETCH(int, step);
    VemorRcBacklightSubject backlight(&view);
    QSignalSpy spy(VemorPlatform::instance(), &VemorPlatform::backlightChanged);
    backlight.setBacklight(level, false);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), false);
    QCOMPARE(spy.at(0).at(1).toInt(), step);
}

void OutputsTest::backlightAppliesStoredValuesOnlyLater()
{
    QSignalSpy spy(VemorPlatform::instance(), &VemorPlatform::backlightChanged);
    VemorRcBacklightSubject backlight(&view);
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 0); // the platform keeps its own setting until then
    QCOMPARE(backlight.getLevel(), static_cast<unsigned char>(100));
    QVERIFY(backlight.isAutoMode());

    // A stored level beyond 255 saturates instead of wrapping to a dim level.
    backlight.setBacklight(300, false);
    spy.clear();
    backlight.applyStoredBacklight();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(1).toInt(), 7);

    backlight.setBacklight(22, true);
    spy.clear();
    backlight.applyStoredBacklight();
    QCOMPARE(spy.at(0).at(0).toBool(), true);
    QCOMPARE(spy.at(0).at(1).toInt(), 2);

    VemorRcBacklightSubject detached(nullptr);
    spy.clear();
    detached.setBacklight(50, false);
    detached.applyStoredBacklight();
    QCOMPARE(spy.count(), 0);
}

void OutputsTest::ledMappingAndOrder_data()
{
    QTest::addColumn<int>("colour");
    QTest::addColumn<int>("platformColour");
    QTest::newRow("red") << int(LedControl::LED_RED) << int(LED_COLOR_RED);
    QTest::newRow("yellow") << int(LedControl::LED_YELLOW) << int(LED_COLOR_YELLOW);
    QTest::newRow("green") << int(LedControl::LED_GREEN) << int(LED_COLOR_GREEN);
    QTest::newRow("off") << int(LedControl::LED_OFF) << int(LED_COLOR_OFF);
}

void OutputsTest::ledMappingAndOrder()
{
    QFETCH(int, colour);
    QFETCH(int, platformColour);
    VemorRcLedControl leds(&view);
    QSignalSpy spy(VemorPlatform::instance(), &VemorPlatform::ledChanged);
    leds.setLed(LedControl::LED_SLEW, static_cast<LedControl::ledColor_t>(colour));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0), (QList<QVariant> {4, int(LED_COLOR_OFF)}));
    QCOMPARE(spy.at(1), (QList<QVariant> {4, platformColour}));
    QCOMPARE(int(VemorPlatform::instance()->led(4)), platformColour);
}

void OutputsTest::ledOutOfRangeIgnored()
{
    QSignalSpy spy(VemorPlatform::instance(), &VemorPlatform::ledChanged);
    VemorRcLedControl leds(&view);
    leds.setLed(static_cast<LedControl::led_t>(5), LedControl::LED_RED);
    leds.setLed(static_cast<LedControl::led_t>(-1), LedControl::LED_RED);
    leds.setLed(LedControl::LED_MODE, static_cast<LedControl::ledColor_t>(4));
    leds.setLed(LedControl::LED_MODE, static_cast<LedControl::ledColor_t>(-1));
    VemorRcLedControl detached(nullptr);
    detached.setLed(LedControl::LED_MODE, LedControl::LED_RED);
    QCOMPARE(spy.count(), 0);
    // The interface itself does nothing.
    LedControl none;
    none.setLed(LedControl::LED_MODE, LedControl::LED_RED);
    QCOMPARE(spy.count(), 0);
}

void OutputsTest::backlightHandlerFollowsSettings()
{
    TestSandbox sandbox;
    QVERIFY(sandbox.isValid());
    sandbox.writeStub(QStringLiteral("sync"), "exit 0\n");
    QSettings store(sandbox.path() + QStringLiteral("/settings.ini"), QSettings::IniFormat);
    SettingsSubject settings(&store);
    settings.setBacklightAuto(false);
    settings.setBacklightStrength(40);
    QCoreApplication::processEvents();

    VemorRcBacklightSubject backlight(&view);
    QSignalSpy spy(VemorPlatform::instance(), &VemorPlatform::backlightChanged);
    BacklightHandler handler(&settings, &backlight);
    // Construction applies the stored manual setting: 40 % is step 3.
    QVERIFY(spy.count() >= 1);
    QCOMPARE(spy.last(), (QList<QVariant> {false, 3}));

    spy.clear();
    settings.setBacklightAuto(true);
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.last(), (QList<QVariant> {true, 7}));

    // A brightness change while automatic mode is on waits for it to end ...
    spy.clear();
    settings.setBacklightStrength(22);
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 0);
    // ... and switching automatic off restores it, not full brightness.
    settings.setBacklightAuto(false);
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.last(), (QList<QVariant> {false, 2}));
    QCOMPARE(backlight.getLevel(), static_cast<unsigned char>(22));
    QVERIFY(!backlight.isAutoMode());
}

void OutputsTest::buzzerHandlerFollowsController()
{
    VemorRcBuzzerCtrlSubject buzzer(&view);
    FakeBuzzerRequest request;
    QSignalSpy spy(VemorPlatform::instance(), &VemorPlatform::buzzerChanged);
    BuzzerHandler handler(&buzzer, &request);
    QCOMPARE(buzzer.getNumberOfAttachedObservers(), 1);
    QCOMPARE(request.getNumberOfAttachedObservers(), 1);
    // Attaching reports the idle request once: the buzzer is cleared.
    QCOMPARE(spy.count(), 1);
    QCOMPARE(bytesOf(spy.last().at(0).value<BuzzerConfig>()).toHex(), QByteArray("0080008000"));

    request.on = true;
    request.timeMs = 200;
    request.notify();
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 2);
    QCOMPARE(bytesOf(spy.last().at(0).value<BuzzerConfig>()).toHex(), QByteArray("0383030111"));

    request.on = false;
    request.notify();
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 3);
    QCOMPARE(bytesOf(spy.last().at(0).value<BuzzerConfig>()).toHex(), QByteArray("0080008000"));
}

void OutputsTest::appVersionStrings()
{
    AppVerSubject subject;
    VersionRecorder r(&subject);
    QCOMPARE(r.getAppVersion(), QStringLiteral("1.3.2"));
    QCOMPARE(r.getGitVersion(), QStringLiteral("27484a7"));
    r.attach();
    QCOMPARE(r.calls, (QStringList {"app 1.3.2", "git 27484a7"}));
    r.calls.clear();
    subject.notify();
    QCoreApplication::processEvents();
    QVERIFY(r.calls.isEmpty());

    // Without a version subject there is nothing to carry.
    VersionRecorder none(nullptr);
    QVERIFY(none.getAppVersion().isEmpty());
}

QTEST_MAIN(OutputsTest)
#include "outputstest.moc"
