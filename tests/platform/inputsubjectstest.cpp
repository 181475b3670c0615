#include "platform/BatteryObserver.h"
#include "platform/ButtonObserver.h"
#include "platform/DeviceInfoObserver.h"
#include "platform/LeverPositionObserver.h"
#include "platform/RcLinkObserver.h"
#include "platform/SoftButtonObserver.h"
#include "platform/VemorRcBatterySubject.h"
#include "platform/VemorRcButtonSubject.h"
#include "platform/VemorRcDeviceInfoSubject.h"
#include "platform/VemorRcLeverPositionSubject.h"
#include "platform/VemorRcSoftButtonSubject.h"
#include "platform/vemorRcRcLinkSubject.h"

#include <QCoreApplication>
#include <QStringList>
#include <QtTest>

#include <vector>

namespace {

void runEvents()
{
    QCoreApplication::processEvents();
}

// Records the soft-key callbacks in call order.
class SoftKeyRecorder : public SoftButtonObserver {
public:
    using SoftButtonObserver::SoftButtonObserver;
    ~SoftKeyRecorder() override = default;
    void buttonState(unsigned int s) override { calls << QStringLiteral("state %1").arg(s, 0, 16); }
    void buttonPressed(unsigned int i) override { calls << QStringLiteral("pressed %1").arg(i); }
    void buttonReleased(unsigned int i) override { calls << QStringLiteral("released %1").arg(i); }
    QStringList edges() const { return calls.filter(QRegularExpression(QStringLiteral("^(pressed|released)"))); }
    QStringList calls;
};

class BatteryRecorder : public BatteryObserver {
public:
    using BatteryObserver::BatteryObserver;
    ~BatteryRecorder() override = default;
    void batteryLevelChanged(unsigned int l) override { levels.push_back(l); }
    std::vector<unsigned int> levels;
};

class LinkRecorder : public RcLinkObserver {
public:
    using RcLinkObserver::RcLinkObserver;
    ~LinkRecorder() override = default;
    void signalStrengthChanged(unsigned int s) override { calls << QStringLiteral("signal %1").arg(s); }
    void isCabledChanged(bool c) override { calls << QStringLiteral("cabled %1").arg(c); }
    void isPairedChanged(bool p) override { calls << QStringLiteral("paired %1").arg(p); }
    QStringList calls;
};

class LeverRecorder : public LeverPositionObserver {
public:
    using LeverPositionObserver::LeverPositionObserver;
    ~LeverRecorder() override = default;
    void leverPositionChanged(unsigned char l, int p) override { calls << QStringLiteral("%1:%2").arg(l).arg(p); }
    QStringList calls;
};

class InputRecorder : public ButtonObserver {
public:
    using ButtonObserver::ButtonObserver;
    ~InputRecorder() override = default;
    void buttonStateChanged(unsigned int n, bool p) override { calls << QStringLiteral("%1:%2").arg(n).arg(p); }
    QStringList calls;
};

class InfoRecorder : public DeviceInfoObserver {
public:
    using DeviceInfoObserver::DeviceInfoObserver;
    ~InfoRecorder() override = default;
    void deviceHardwareVersionChanged(QString v) override { calls << QStringLiteral("hw ") + v; }
    void deviceOSVersionChanged(QString v) override { calls << QStringLiteral("os ") + v; }
    void deviceBootVersionChanged(QString v) override { calls << QStringLiteral("boot ") + v; }
    void deviceSerialNumberChanged(QString v) override { calls << QStringLiteral("sn ") + v; }
    QStringList calls;
};

} // namespace

class InputSubjectsTest : public QObject {
    Q_OBJECT
private slots:
    void softKeyEdges_data();
    void softKeyEdges();
    void softKeyStateReportedEveryUpdateAndQueued();
    void fifteenthsToPercent_data();
    void fifteenthsToPercent();
    void leverConversion_data();
    void leverConversion();
    void leverOutOfRangeNotifiesWithoutChange();
    void inputsAboveThirtyNineIgnoredSilently();
    void pairedFlagStoredButNotReported();
    void batteryAttachReportsCachedZero();
    void linkAttachDeliversCacheAndUpdatesInOrder();
    void leverAndInputAttachDeliverCurrentState();
    void deviceInfoStartsUnknownAndReportsChanges();
};

void InputSubjectsTest::softKeyEdges_data()
{
    QTest::addColumn<unsigned int>("before");
    QTest::addColumn<unsigned int>("after");
    QTest::addColumn<QString>("edge");
    QTest::newRow("key 0 down") << 0x00u << 0x80u << "pressed 0";
    QTest::newRow("key 0 up") << 0x80u << 0x00u << "released 0";
    QTest::newRow("key 7 down") << 0x00u << 0x01u << "pressed 7";
    QTest::newRow("key 1 up, key 0 down reports key 0 pressed") << 0x40u << 0x80u << "pressed 0";
    QTest::newRow("two keys up at once report the higher") << 0x41u << 0x00u << "released 1";
    QTest::newRow("one up one down counts as pressed") << 0x01u << 0x02u << "pressed 6";
    QTest::newRow("change above the low byte only") << 0x00u << 0x100u << "pressed 8";
}

void InputSubjectsTest::softKeyEdges()
{
    QFETCH(unsigned int, before);
    QFETCH(unsigned int, after);
    QFETCH(QString, edge);
    VemorRcSoftButtonSubject s;
    SoftKeyRecorder r(&s);
    r.attach();
    s.setButtonState(before);
    runEvents();
    r.calls.clear();
    s.setButtonState(after);
    runEvents();
    QCOMPARE(r.edges(), QStringList {edge});
}

void InputSubjectsTest::softKeyStateReportedEveryUpdateAndQueued()
{
    VemorRcSoftButtonSubject s;
    SoftKeyRecorder r(&s);
    QVERIFY(r.calls.isEmpty()); // no delivery on attach either
    r.attach();
    QVERIFY(r.calls.isEmpty());
    s.setButtonState(0x80);
    QVERIFY2(r.calls.isEmpty(), "update ran synchronously");
    s.setButtonState(0x80);
    runEvents();
    // Two notifications: the state twice, the edge once.
    QCOMPARE(r.calls, (QStringList {"state 80", "pressed 0", "state 80"}));
    QCOMPARE(s.getButtonState(), 0x80u);
}

void InputSubjectsTest::fifteenthsToPercent_data()
{
    QTest::addColumn<unsigned int>("raw");
    QTest::addColumn<int>("percent");
    const int expected[] = {0, 6, 13, 20, 26, 33, 40, 46, 53, 60, 66, 73, 80, 86, 93, 100, 106};
    for (unsigned int raw = 0; raw <= 16; ++raw)
        QTest::addRow("raw %u", raw) << raw << expected[raw];
}

void InputSubjectsTest::fifteenthsToPercent()
{
    QFETCH(unsigned int, raw);
    QFETCH(int, percent);
    VemorRcBatterySubject battery;
    battery.setBatteryLevel(raw);
    QCOMPARE(battery.getBatteryLevel(), percent);
    vemorRcRcLinkSubject link;
    link.setSignalStrengh(raw);
    QCOMPARE(link.getSignalStrengh(), percent);
}

void InputSubjectsTest::leverConversion_data()
{
    QTest::addColumn<int>("raw");
    QTest::addColumn<int>("percent");
    QTest::newRow("full back") << 0 << -100;
    QTest::newRow("just below centre truncates to 0") << 126 << 0;
    QTest::newRow("centre") << 127 << 0;
    QTest::newRow("just above centre") << 128 << 0;
    QTest::newRow("two steps below centre") << 125 << -1;
    QTest::newRow("half forward") << 191 << 50;
    QTest::newRow("254 is full forward") << 254 << 100;
    QTest::newRow("255 does not exceed 100") << 255 << 100;
}

void InputSubjectsTest::leverConversion()
{
    QFETCH(int, raw);
    QFETCH(int, percent);
    VemorRcLeverPositionSubject s;
    for (unsigned char lever = 0; lever < 8; ++lever) {
        s.setLeverPosition(lever, static_cast<unsigned char>(raw));
        QCOMPARE(s.getLeverPosition(lever), percent);
    }
}

void InputSubjectsTest::leverOutOfRangeNotifiesWithoutChange()
{
    VemorRcLeverPositionSubject s;
    LeverRecorder r(&s);
    s.attach(&r);
    s.setLeverPosition(8, 0);
    s.setLeverPosition(255, 0);
    QCOMPARE(s.getLeverPosition(8), 0);
    QCOMPARE(s.getLeverPosition(255), 0);
    int updates = 0;
    struct Counter : Observer {
        int* n;
        Counter(Subject* s, int* c) : Observer(s), n(c) {}
        void attach() override { subject->attach(this); }
        void detach() override { subject->detach(this); }
        void update() override { ++*n; }
    } counter(&s, &updates);
    counter.attach();
    runEvents();
    QCOMPARE(updates, 2);
    QVERIFY(r.calls.isEmpty());
    counter.detach();
}

void InputSubjectsTest::inputsAboveThirtyNineIgnoredSilently()
{
    VemorRcButtonSubject s;
    InputRecorder r(&s);
    s.attach(&r);
    QCOMPARE(s.getNumberOfButtons(), 40u);
    s.setButtonState(40, true);
    s.setButtonState(1000, true);
    runEvents();
    QVERIFY(r.calls.isEmpty());
    QVERIFY(!s.getButtonState(40));
    QVERIFY(!s.getButtonState(255));
    s.setButtonState(39, true);
    s.setButtonState(0, true);
    runEvents();
    // One notification per call, each delivering every change seen by then.
    QCOMPARE(r.calls, (QStringList {"0:1", "39:1"}));
    QVERIFY(s.getButtonState(39));
}

void InputSubjectsTest::pairedFlagStoredButNotReported()
{
    vemorRcRcLinkSubject s;
    QVERIFY(s.isConnectionPaired());
    QCOMPARE(s.getSignalStrengh(), 50);
    QVERIFY(!s.isConnectionCabled());
    LinkRecorder r(&s);
    s.attach(&r);
    s.setConnectionPaired(false);
    QVERIFY(s.isConnectionPaired());
    runEvents();
    QVERIFY(r.calls.isEmpty());
    QCOMPARE(s.getNumberOfAttachedObservers(), 1);
}

void InputSubjectsTest::batteryAttachReportsCachedZero()
{
    VemorRcBatterySubject s;
    s.setBatteryLevel(9);
    runEvents();
    BatteryRecorder r(&s);
    r.attach();
    QCOMPARE(r.levels, (std::vector<unsigned int> {0}));
    runEvents();
    s.setBatteryLevel(9);
    runEvents();
    QCOMPARE(r.levels, (std::vector<unsigned int> {0, 60}));
    // Unchanged level: no callback.
    s.setBatteryLevel(9);
    runEvents();
    QCOMPARE(r.levels.size(), size_t(2));
    r.attach();
    QCOMPARE(r.levels.back(), 60u);
    QCOMPARE(s.getNumberOfAttachedObservers(), 1);
}

void InputSubjectsTest::linkAttachDeliversCacheAndUpdatesInOrder()
{
    vemorRcRcLinkSubject s;
    s.setSignalStrengh(15);
    LinkRecorder r(&s); // caches read now: 100, not cabled, paired
    s.setCabledConnection(true);
    r.attach(); // from the caches, without reading the subject
    QCOMPARE(r.calls, (QStringList {"signal 100", "cabled 0", "paired 1"}));
    r.calls.clear();
    s.setSignalStrengh(0);
    runEvents();
    QCOMPARE(r.calls, (QStringList {"signal 0", "cabled 1"}));
}

void InputSubjectsTest::leverAndInputAttachDeliverCurrentState()
{
    VemorRcLeverPositionSubject levers;
    LeverRecorder lr(&levers);
    levers.setLeverPosition(3, 0);
    lr.attach();
    QCOMPARE(lr.calls.size(), 8);
    QCOMPARE(lr.calls.at(3), QStringLiteral("3:-100"));
    lr.calls.clear();
    runEvents();
    QVERIFY(lr.calls.isEmpty()); // attach refreshed the cache

    VemorRcButtonSubject inputs;
    InputRecorder ir(&inputs);
    inputs.setButtonState(5, true);
    ir.attach();
    QCOMPARE(ir.calls.size(), 40);
    QCOMPARE(ir.calls.at(5), QStringLiteral("5:1"));
    ir.calls.clear();
    runEvents();
    // attach left the cache as it was, so the queued update still reports it.
    QCOMPARE(ir.calls, QStringList {"5:1"});
}

void InputSubjectsTest::deviceInfoStartsUnknownAndReportsChanges()
{
    VemorRcDeviceInfoSubject s;
    InfoRecorder r(&s);
    r.attach();
    QCOMPARE(r.calls, (QStringList {"hw ?", "os ?", "boot ?", "sn ?"}));
    r.calls.clear();
    s.setDeviceBootVersion(QStringLiteral("B1"));
    s.setDeviceSerialNumber(QStringLiteral("S1"));
    runEvents();
    QCOMPARE(r.calls, (QStringList {"boot B1", "sn S1"}));
    QCOMPARE(s.getDeviceBootNumber(), QStringLiteral("B1"));
}

QTEST_GUILESS_MAIN(InputSubjectsTest)
#include "inputsubjectstest.moc"
