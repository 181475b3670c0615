#include "can/MpdoObserver.h"
#include "can/MpdoSubject.h"
#include "can/VemorRcCanSubject.h"

#include "RecordingCanBackend.h"
#include "VemorPlatform.h"
#include "View.h"

#include <QTimer>
#include <QtTest>

namespace {

constexpr unsigned int Entry = 0x48E6;

// A data subject's view of one entry.
class LoadWatcher : public MpdoObserver {
public:
    explicit LoadWatcher(MpdoSubject* m)
        : MpdoObserver(m)
    {
        subscribe(Entry, 2);
    }
    void newValue(unsigned int, unsigned char, unsigned int v) override
    {
        last = v;
        ++calls;
    }
    unsigned int last = 0;
    int calls = 0;
};

void mpdoFrame(VemorRcCanSubject& can, unsigned int value)
{
    unsigned char d[8] = {0x01, Entry & 0xFF, Entry >> 8, 2, static_cast<unsigned char>(value & 0xFF),
                          static_cast<unsigned char>((value >> 8) & 0xFF),
                          static_cast<unsigned char>((value >> 16) & 0xFF),
                          static_cast<unsigned char>((value >> 24) & 0xFF)};
    can.setCanMessage(0x465, d, 8);
}

int setEntryCommands(const RecordingCanBackend& b, int from)
{
    int n = 0;
    for (int i = from; i < b.frames().size(); ++i) {
        const QByteArray& d = b.frames().at(i).data;
        if (b.frames().at(i).id == 0x1605 && d.size() == 8 && uchar(d[0]) == 0x23 && uchar(d[1]) == 0xE3)
            ++n;
    }
    return n;
}

} // namespace

// The CAN and MPDO layers under stress: long flow-control pauses, bursts
// beyond the receive bound and a controller that restarts with an empty table.
class CanFaultsTest : public QObject {
    Q_OBJECT
private:
    RecordingCanBackend backend;

private slots:
    void initTestCase() { VemorPlatform::instance()->setCanBackend(&backend); }
    void init() { backend.clear(); }

    void longXoffLosesNothingAndKeepsOrder()
    {
        View view;
        VemorRcCanSubject can(&view);
        constexpr int Frames = 3000;
        can.setXonXoff(false); // XOFF
        for (int i = 0; i < Frames; ++i) {
            canMessage m;
            m.id = 0x605;
            m.len = 8;
            m.data[0] = static_cast<uint8_t>(i & 0xFF);
            m.data[1] = static_cast<uint8_t>(i >> 8);
            can.sendCanMessage(m);
        }
        // Twenty minutes of transmit ticks while paused.
        for (int t = 0; t < 24000; ++t)
            can.tx();
        QCOMPARE(backend.frames().size(), 0);
        QCOMPARE(can.pendingTransmitFrames(), Frames);

        can.setXonXoff(true); // XON
        for (int t = 0; t < Frames + 10; ++t)
            can.tx();
        QCOMPARE(backend.frames().size(), Frames);
        for (int i = 0; i < Frames; ++i) {
            const QByteArray& d = backend.frames().at(i).data;
            QCOMPARE(uchar(d[0]) | (uchar(d[1]) << 8), i);
        }
        QCOMPARE(can.pendingTransmitFrames(), 0);
    }

    void burstBeyondTheBoundThroughTheMpdoClient()
    {
        VemorRcCanSubject can(nullptr);
        MpdoSubject mpdo(&can);
        LoadWatcher watcher(&mpdo);
        const int burst = 3 * CanSubject::ReceiveCapacity;
        for (int i = 1; i <= burst; ++i)
            mpdoFrame(can, static_cast<unsigned int>(i));
        QCOMPARE(can.getDroppedFrames(), uint64_t(burst - CanSubject::ReceiveCapacity));
        QTRY_COMPARE(watcher.calls, CanSubject::ReceiveCapacity);
        // The newest frames were kept: the client holds the last value sent.
        QCOMPARE(watcher.last, unsigned(burst));

        // Normal traffic afterwards is complete again.
        mpdoFrame(can, 0xCAFE);
        QTRY_COMPARE(watcher.last, 0xCAFEu);
        QCOMPARE(can.getDroppedFrames(), uint64_t(burst - CanSubject::ReceiveCapacity));
    }

    void controllerRestartRewritesTheTableAndValuesReturn()
    {
        View view;
        VemorRcCanSubject can(&view);
        MpdoSubject mpdo(&can);
        LoadWatcher watcher(&mpdo);
        mpdo.syncMpdoList();
        mpdoFrame(can, 40);
        QTRY_COMPARE(watcher.last, 40u);
        // Every accepted frame re-arms the watchdog: a controller that
        // restarts and falls silent is noticed within 3 s.
        QVERIFY(mpdo.receiveWatchdog()->isActive());
        QCOMPARE(mpdo.receiveWatchdog()->interval(), MpdoSubject::WatchdogMs);
        QVERIFY(MpdoSubject::WatchdogMs <= 5000);

        // The watchdog expires: the whole table is written again and the
        // last value stays on display meanwhile.
        while (can.pendingTransmitFrames())
            can.tx();
        const int before = backend.frames().size();
        mpdo.reconnect();
        while (can.pendingTransmitFrames())
            can.tx();
        QCOMPARE(setEntryCommands(backend, before), MpdoSubject::NumberOfEntries);
        QCOMPARE(mpdo.receiveWatchdog()->interval(), MpdoSubject::ReconnectMs);
        unsigned int held = 0;
        QVERIFY(mpdo.getMpdoValue(Entry, 2, held));
        QCOMPARE(held, 40u);

        // The controller answers again: new values arrive, the watchdog is back at 3 s.
        mpdoFrame(can, 77);
        QTRY_COMPARE(watcher.last, 77u);
        QCOMPARE(mpdo.receiveWatchdog()->interval(), MpdoSubject::WatchdogMs);
    }
};

QTEST_MAIN(CanFaultsTest)
#include "canfaultstest.moc"
