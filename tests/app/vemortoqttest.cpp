#include "app/ApplicationStartup.h"
#include "app/VemorToQt.h"
#include "app/VemorViewMaster.h"
#include "can/VemorRcCanSubject.h"
#include "core/Observer.h"
#include "platform/VemorRcBatterySubject.h"
#include "platform/VemorRcButtonSubject.h"
#include "platform/VemorRcDeviceInfoSubject.h"
#include "platform/VemorRcLeverPositionSubject.h"
#include "platform/VemorRcSoftButtonSubject.h"
#include "platform/vemorRcRcLinkSubject.h"
#include "support/TestSandbox.h"

#include "VemorPlatform.h"

#include <QLayout>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// Counts notification rounds of one subject.
class UpdateCounter : public Observer {
public:
    explicit UpdateCounter(Subject* s)
        : Observer(s)
    {
        subject->attach(this);
    }
    virtual ~UpdateCounter() { detach(); }
    void attach() override { subject->attach(this); }
    void detach() override { subject->detach(this); }
    void update() override { ++updates; }
    int updates = 0;
};

PcuMessage message(unsigned int kind, unsigned char subKind, unsigned char* data, unsigned char len)
{
    PcuMessage m;
    m.kind = kind;
    m.subKind = subKind;
    m.data = data;
    m.length = len;
    return m;
}

QList<int> requestedItems(const QSignalSpy& spy)
{
    QList<int> items;
    for (const QList<QVariant>& call : spy)
        items << call.at(0).toInt();
    return items;
}

} // namespace

class VemorToQtTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void formAndSubjects();
    void leverMessageMakesNineCalls();
    void inputMessageMakesThirtyTwoCalls();
    void radioMessageFeedsLinkAndBattery();
    void unknownSystemMessageAndKindIgnored();
    void canFramesNeedSubKindZero();
    void configurationRequestedOnceOnFirstCanFrame();
    void versionRequestsStopPerItemOnceAnswered();
    void flowControlReachesCanSubject();
    void wrongVersionKeepsReportingPaired();

private:
    std::unique_ptr<TestSandbox> sandbox;
    VemorViewMaster* master = nullptr;
    VemorToQt* view = nullptr;
};

void VemorToQtTest::initTestCase()
{
    ApplicationStartup::loadResourcesAndFont();
    sandbox = std::make_unique<TestSandbox>();
    QVERIFY(sandbox->isValid());
    sandbox->writeStub(QStringLiteral("sync"), "exit 0\n");
    master = new VemorViewMaster;
    view = new VemorToQt(master, nullptr);
}

void VemorToQtTest::cleanupTestCase()
{
    // The bridge and everything below it live for the whole process, as on
    // the device; only the sandbox goes.
    sandbox.reset();
}

void VemorToQtTest::formAndSubjects()
{
    QCOMPARE(VemorToQt::intance, view);
    QCOMPARE(view->viewMaster(), master);
    QCOMPARE(view->objectName(), QStringLiteral("vemortopureqt"));
    QCOMPARE(view->minimumSize(), QSize(480, 272));
    QCOMPARE(view->maximumSize(), QSize(700, 294));
    QCOMPARE(view->styleSheet(), QStringLiteral("background-color: rgb(255, 255, 255);"));
    QVERIFY(view->layout());
    QCOMPARE(view->layout()->objectName(), QStringLiteral("verticalLayout"));
    QCOMPARE(view->layout()->spacing(), 0);
    QVERIFY(VemorToQt::softButtonSubject());
    QVERIFY(VemorToQt::rcLinkSubject());
    QVERIFY(VemorToQt::batterySubject());
    QVERIFY(VemorToQt::leverPositionSubject());
    QVERIFY(VemorToQt::deviceInfoSubject());
    QVERIFY(VemorToQt::buttonSubject());
    QVERIFY(VemorToQt::backlightSubject());
    QVERIFY(VemorToQt::canSubject());
    QVERIFY(VemorToQt::ledControl());
    QVERIFY(VemorToQt::buzzerSubject());
}

void VemorToQtTest::leverMessageMakesNineCalls()
{
    VemorRcLeverPositionSubject* levers = VemorToQt::leverPositionSubject();
    UpdateCounter counter(levers);
    unsigned char raw[9] = {0, 127, 254, 255, 191, 63, 126, 128, 0};
    PcuMessage m = message(PcuMessage::SystemMessage, 5, raw, 9);
    QVERIFY(view->handleNewMessage(&m));
    QCOMPARE(counter.updates, 0); // queued, never synchronous
    QCoreApplication::processEvents();
    QCOMPARE(counter.updates, 9);
    const int expected[8] = {-100, 0, 100, 100, 50, -50, 0, 0};
    for (unsigned char i = 0; i < 8; ++i)
        QCOMPARE(levers->getLeverPosition(i), expected[i]);
    QCOMPARE(levers->getLeverPosition(8), 0);

    // A short message reads the missing levers as 0 instead of past its end.
    unsigned char shortRaw[2] = {254, 254};
    m = message(PcuMessage::SystemMessage, 5, shortRaw, 2);
    view->handleNewMessage(&m);
    QCoreApplication::processEvents();
    QCOMPARE(counter.updates, 18);
    QCOMPARE(levers->getLeverPosition(1), 100);
    QCOMPARE(levers->getLeverPosition(2), -100);
}

void VemorToQtTest::inputMessageMakesThirtyTwoCalls()
{
    VemorRcButtonSubject* inputs = VemorToQt::buttonSubject();
    UpdateCounter counter(inputs);
    unsigned char bits[4] = {0x01, 0x00, 0x80, 0x80};
    PcuMessage m = message(PcuMessage::SystemMessage, 6, bits, 4);
    view->handleNewMessage(&m);
    QCoreApplication::processEvents();
    QCOMPARE(counter.updates, 32);
    QVERIFY(inputs->getButtonState(0));
    QVERIFY(!inputs->getButtonState(1));
    QVERIFY(inputs->getButtonState(23));
    QVERIFY(inputs->getButtonState(31));
    for (unsigned char n = 32; n < 40; ++n)
        QVERIFY(!inputs->getButtonState(n));
}

void VemorToQtTest::radioMessageFeedsLinkAndBattery()
{
    unsigned char radio[3] = {1, 15, 3};
    PcuMessage m = message(PcuMessage::SystemMessage, 7, radio, 3);
    view->handleNewMessage(&m);
    QVERIFY(VemorToQt::rcLinkSubject()->isConnectionCabled());
    QCOMPARE(VemorToQt::rcLinkSubject()->getSignalStrengh(), 100);
    QCOMPARE(VemorToQt::batterySubject()->getBatteryLevel(), 20);

    unsigned char radio2[3] = {0, 1, 15};
    m = message(PcuMessage::SystemMessage, 7, radio2, 3);
    view->handleNewMessage(&m);
    QVERIFY(!VemorToQt::rcLinkSubject()->isConnectionCabled());
    QCOMPARE(VemorToQt::rcLinkSubject()->getSignalStrengh(), 6);
    QCOMPARE(VemorToQt::batterySubject()->getBatteryLevel(), 100);
    QCoreApplication::processEvents();
}

void VemorToQtTest::unknownSystemMessageAndKindIgnored()
{
    UpdateCounter levers(VemorToQt::leverPositionSubject());
    UpdateCounter inputs(VemorToQt::buttonSubject());
    UpdateCounter link(VemorToQt::rcLinkSubject());
    UpdateCounter can(VemorToQt::canSubject());
    unsigned char data[9] = {};
    for (unsigned char sub : {0, 4, 8, 255}) {
        PcuMessage m = message(PcuMessage::SystemMessage, sub, data, 9);
        QVERIFY(view->handleNewMessage(&m));
    }
    PcuMessage other = message(2, 5, data, 9);
    QVERIFY(view->handleNewMessage(&other));
    QVERIFY(view->handleNewMessage(nullptr));
    QCoreApplication::processEvents();
    QCOMPARE(levers.updates + inputs.updates + link.updates + can.updates, 0);
}

void VemorToQtTest::canFramesNeedSubKindZero()
{
    VemorRcCanSubject* can = VemorToQt::canSubject();
    const uint64_t head = can->receiveHead();
    unsigned char frame[6] = {0x43, 0xE6, 0x48, 0x00, 0x11, 0x22};
    PcuMessage dropped = message(PcuMessage::CanFrame, 1, frame, 6);
    view->handleNewMessage(&dropped);
    QCOMPARE(can->receiveHead(), head);

    PcuMessage taken = message(PcuMessage::CanFrame, 0, frame, 6);
    view->handleNewMessage(&taken);
    QCOMPARE(can->receiveHead(), head + 1);
    const canMessage got = can->getCanMessage();
    QCOMPARE(got.id, 1125u);
    QCOMPARE(int(got.len), 8);
    QCOMPARE(int(got.data[5]), 0x22);
    QCOMPARE(int(got.data[6]), 0);
    QCOMPARE(int(got.data[7]), 0);
    QCoreApplication::processEvents();
}

void VemorToQtTest::configurationRequestedOnceOnFirstCanFrame()
{
    unsigned char data[8] = {};
    PcuMessage system = message(PcuMessage::SystemMessage, 7, data, 3);
    PcuMessage can = message(PcuMessage::CanFrame, 0, data, 8);
    master->parseNewPcuMessage(&system);
    master->parseNewPcuMessage(nullptr);
    QCOMPARE(master->confDataRequests(), 0);
    master->parseNewPcuMessage(&can);
    QCOMPARE(master->confDataRequests(), 1);
    master->parseNewPcuMessage(&can);
    master->parseNewPcuMessage(&system);
    master->parseNewPcuMessage(&can);
    QCOMPARE(master->confDataRequests(), 1);
}

void VemorToQtTest::versionRequestsStopPerItemOnceAnswered()
{
    // No event processing here: the stand-in's own answers must not arrive
    // before the ones this test gives.
    QSignalSpy spy(VemorPlatform::instance(), &VemorPlatform::versionRequested);
    const QList<int> all {VemorPlatform::CpuInfo, VemorPlatform::BootVersion, VemorPlatform::OsVersion};

    QVERIFY(view->handleNewButtonStatus(0x1C0));
    QCOMPARE(VemorToQt::softButtonSubject()->getButtonState(), 0xC0u);
    QCOMPARE(requestedItems(spy), all);
    spy.clear();
    view->handleNewButtonStatus(0);
    QCOMPARE(requestedItems(spy), all);

    view->cpuInfo(QStringLiteral("SN-77"), QStringLiteral("HW-3"));
    QCOMPARE(VemorToQt::deviceInfoSubject()->getDeviceHardwareVersion(), QStringLiteral("HW-3"));
    QCOMPARE(VemorToQt::deviceInfoSubject()->getDeviceSerialNumber(), QStringLiteral("SN-77"));
    spy.clear();
    view->handleNewButtonStatus(0);
    QCOMPARE(requestedItems(spy), (QList<int> {VemorPlatform::BootVersion, VemorPlatform::OsVersion}));

    view->osVer(QStringLiteral("OS-9"));
    QCOMPARE(VemorToQt::deviceInfoSubject()->getDeviceOSVersion(), QStringLiteral("OS-9"));
    spy.clear();
    view->handleNewButtonStatus(0);
    QCOMPARE(requestedItems(spy), QList<int> {VemorPlatform::BootVersion});

    view->bootVer(QStringLiteral("BOOT-1"));
    QCOMPARE(VemorToQt::deviceInfoSubject()->getDeviceBootNumber(), QStringLiteral("BOOT-1"));
    spy.clear();
    view->handleNewButtonStatus(0);
    view->handleNewButtonStatus(0x80);
    QVERIFY(spy.isEmpty());
}

void VemorToQtTest::flowControlReachesCanSubject()
{
    VemorRcCanSubject* can = VemorToQt::canSubject();
    const bool before = can->isPaused();
    view->handleXonXoff(0);
    QCOMPARE(can->isPaused(), !before);
    view->handleXonXoff(1);
    QCOMPARE(can->isPaused(), before);
}

void VemorToQtTest::wrongVersionKeepsReportingPaired()
{
    UpdateCounter link(VemorToQt::rcLinkSubject());
    view->wrongVersion();
    QVERIFY(VemorToQt::rcLinkSubject()->isConnectionPaired());
    QCoreApplication::processEvents();
    QCOMPARE(link.updates, 1);
}

QTEST_MAIN(VemorToQtTest)
#include "vemortoqttest.moc"
