#include "can/CanSubject.h"
#include "can/MpdoObserver.h"
#include "can/MpdoSubject.h"
#include "can/VemorRcCanSubject.h"

#include <QTimer>
#include <QtTest>

#include <cstring>
#include <functional>

namespace {

// A CAN bus that keeps every frame handed to it for transmission.
class RecordingCan : public CanSubject {
public:
    canMessage getCanMessage() override { return last; }
    void sendCanMessage(canMessage& m) override { sent.append(m); }
    void receive(const canMessage& m)
    {
        last = m;
        pushReceived(m);
    }
    QVector<canMessage> sent;
    canMessage last;
};

QByteArray bytes(const canMessage& m)
{
    return QByteArray(reinterpret_cast<const char*>(m.data), 8);
}

QByteArray setCmd(int slot, unsigned int index, unsigned char sub)
{
    const char b[8] = {0x23, char(0xE3), 0x48, char(slot + 1), char(index & 0xFF), char((index >> 8) & 0xFF),
                       char(sub), 0};
    return QByteArray(b, 8);
}

QByteArray clearCmd(int slot)
{
    const char b[8] = {0x23, char(0xE3), 0x48, char(slot + 1), 0, 0, 0, 0};
    return QByteArray(b, 8);
}

const QByteArray clearAllCmd = QByteArray("\x2F\xF2\x48\x00\x01\x00\x00\x00", 8);

canMessage mpdoFrame(unsigned int index, unsigned char sub, unsigned int value, unsigned char b0 = 0x01)
{
    canMessage m;
    m.id = 0x465;
    m.len = 8;
    m.data[0] = b0;
    m.data[1] = index & 0xFF;
    m.data[2] = (index >> 8) & 0xFF;
    m.data[3] = sub;
    m.data[4] = value & 0xFF;
    m.data[5] = (value >> 8) & 0xFF;
    m.data[6] = (value >> 16) & 0xFF;
    m.data[7] = (value >> 24) & 0xFF;
    return m;
}

// Counts the wake-ups it gets from the client.
class Waker : public Observer {
public:
    explicit Waker(Subject* s)
        : Observer(s)
    {
    }
    virtual ~Waker() = default;
    void attach() override {}
    void detach() override {}
    void update() override
    {
        ++updates;
        if (onUpdate)
            onUpdate();
    }
    int updates = 0;
    std::function<void()> onUpdate;
};

} // namespace

class MpdoSubjectTest : public QObject {
    Q_OBJECT
private:
    RecordingCan* can = nullptr;
    MpdoSubject* mpdo = nullptr;

    QVector<QByteArray> sentBytes() const
    {
        QVector<QByteArray> out;
        for (const canMessage& m : can->sent)
            out.append(bytes(m));
        return out;
    }

    void feed(const canMessage& m)
    {
        canMessage copy = m;
        mpdo->newCanMessage(&copy);
    }

private slots:
    void init()
    {
        can = new RecordingCan;
        mpdo = new MpdoSubject(can);
    }

    void cleanup()
    {
        delete mpdo;
        delete can;
        mpdo = nullptr;
        can = nullptr;
    }

    void decodesFrameFields_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<uint>("index");
        QTest::addColumn<int>("sub");
        QTest::addColumn<uint>("value");
        QTest::newRow("load") << QByteArray("\x01\xE6\x48\x02\x78\x56\x34\x12", 8) << 0x48E6u << 2 << 0x12345678u;
        QTest::newRow("all ones") << QByteArray("\x01\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 8) << 0xFFFFu << 255
                                  << 0xFFFFFFFFu;
        QTest::newRow("high bit value") << QByteArray("\x01\x01\x00\x00\x00\x00\x00\x80", 8) << 1u << 0
                                        << 0x80000000u;
    }

    void decodesFrameFields()
    {
        QFETCH(QByteArray, frame);
        QFETCH(uint, index);
        QFETCH(int, sub);
        QFETCH(uint, value);
        canMessage m;
        m.id = 0x465;
        m.len = 8;
        memcpy(m.data, frame.constData(), 8);
        QCOMPARE(MpdoSubject::getIndex(&m), index);
        QCOMPARE(int(MpdoSubject::getSubIndex(&m)), sub);
        QCOMPARE(MpdoSubject::getValue(&m), value);
    }

    void commandFramesHaveExactBytes()
    {
        mpdo->sendSetMpdoEntryCmd(0x48E6, 2, 19);
        mpdo->sendClearMpdoEntryCmd(0);
        mpdo->sendClearAllMpdoEntryCmd();
        mpdo->sendSetMpdoEntryCmd(0x1234, 1, 20); // outside the table
        QCOMPARE(can->sent.size(), 3);
        for (const canMessage& m : can->sent) {
            QCOMPARE(m.id, 0x1605u);
            QCOMPARE(int(m.len), 8);
        }
        QCOMPARE(bytes(can->sent[0]), setCmd(19, 0x48E6, 2));
        QCOMPARE(bytes(can->sent[1]), clearCmd(0));
        QCOMPARE(bytes(can->sent[2]), clearAllCmd);
    }

    void timersStartWithTheirPeriods()
    {
        QVERIFY(mpdo->firstSyncTimer()->isActive());
        QVERIFY(mpdo->firstSyncTimer()->isSingleShot());
        QCOMPARE(mpdo->firstSyncTimer()->interval(), 500);
        QVERIFY(mpdo->syncCheckTimer()->isActive());
        QVERIFY(!mpdo->syncCheckTimer()->isSingleShot());
        QCOMPARE(mpdo->syncCheckTimer()->interval(), 30000);
        QVERIFY(mpdo->receiveWatchdog()->isActive());
        QCOMPARE(mpdo->receiveWatchdog()->interval(), 3000);
        QVERIFY(!mpdo->isSynced());
        QVERIFY(can->sent.isEmpty());
    }

    void firstSyncRunsFromTheEventLoop()
    {
        Waker o(mpdo);
        mpdo->setMpdoEntry(&o, 0x1111, 1);
        QVERIFY(can->sent.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(mpdo->isSynced(), 10000);
        QCOMPARE(sentBytes(), (QVector<QByteArray> {clearAllCmd, setCmd(0, 0x1111, 1)}));
    }

    void subscriptionBeforeSyncWaitsAfterSyncIsImmediate()
    {
        Waker a(mpdo), b(mpdo);
        mpdo->setMpdoEntry(&a, 0x2000, 0);
        QVERIFY(can->sent.isEmpty());
        mpdo->syncMpdoList();
        mpdo->setMpdoEntry(&b, 0x2001, 3);
        QCOMPARE(sentBytes(), (QVector<QByteArray> {clearAllCmd, setCmd(0, 0x2000, 0), setCmd(1, 0x2001, 3)}));
    }

    void observersShareOneSlot()
    {
        mpdo->syncMpdoList();
        can->sent.clear();
        Waker a(mpdo), b(mpdo);
        mpdo->setMpdoEntry(&a, 0x48E6, 0);
        mpdo->setMpdoEntry(&b, 0x48E6, 0);
        QCOMPARE(can->sent.size(), 1);
        QCOMPARE(mpdo->getMpdoEntry(0x48E6, 0)->observers->size(), 2);

        feed(mpdoFrame(0x48E6, 0, 7));
        QCOMPARE(a.updates, 1);
        QCOMPARE(b.updates, 1);

        mpdo->clearMpdoEntry(&a, 0x48E6, 0);
        QCOMPARE(can->sent.size(), 1);
        QVERIFY(mpdo->getMpdoEntry(0x48E6, 0));
        feed(mpdoFrame(0x48E6, 0, 8));
        QCOMPARE(a.updates, 1);
        QCOMPARE(b.updates, 2);

        mpdo->clearMpdoEntry(&b, 0x48E6, 0);
        QCOMPARE(sentBytes().last(), clearCmd(0));
        QVERIFY(!mpdo->getMpdoEntry(0x48E6, 0));
    }

    void sameObserverTwiceIsWokenTwice()
    {
        Waker a(mpdo);
        mpdo->setMpdoEntry(&a, 0x3000, 1);
        mpdo->setMpdoEntry(&a, 0x3000, 1);
        feed(mpdoFrame(0x3000, 1, 1));
        QCOMPARE(a.updates, 2);
        mpdo->clearMpdoEntry(&a, 0x3000, 1);
        QVERIFY(mpdo->getMpdoEntry(0x3000, 1));
        mpdo->clearMpdoEntry(&a, 0x3000, 1);
        QVERIFY(!mpdo->getMpdoEntry(0x3000, 1));
    }

    void lowestFreeSlotIsReused()
    {
        mpdo->syncMpdoList();
        Waker a(mpdo);
        for (unsigned int i = 0; i < 6; ++i)
            mpdo->setMpdoEntry(&a, 0x4000 + i, 0);
        mpdo->clearMpdoEntry(&a, 0x4003, 0);
        mpdo->clearMpdoEntry(&a, 0x4005, 0);
        can->sent.clear();
        mpdo->setMpdoEntry(&a, 0x5000, 9);
        QCOMPARE(sentBytes(), (QVector<QByteArray> {setCmd(3, 0x5000, 9)}));
        QCOMPARE(int(can->sent[0].data[3]), 4);
        QCOMPARE(mpdo->slot(3)->index, 0x5000u);
        QCOMPARE(mpdo->slot(5)->index, 0u);
    }

    void valueIsValidOnlyAfterAFrame()
    {
        Waker a(mpdo);
        unsigned int v = 42;
        mpdo->setMpdoEntry(&a, 0x6000, 2);
        QVERIFY(!mpdo->getMpdoValue(0x6000, 2, v));
        QCOMPARE(v, 42u);
        feed(mpdoFrame(0x6000, 2, 0xDEADBEEF));
        QVERIFY(mpdo->getMpdoValue(0x6000, 2, v));
        QCOMPARE(v, 0xDEADBEEFu);
        QVERIFY(!mpdo->getMpdoValue(0x6000, 3, v));

        // Refilled after a clear: the old value must not show through.
        mpdo->clearMpdoEntry(&a, 0x6000, 2);
        mpdo->setMpdoEntry(&a, 0x6000, 2);
        QVERIFY(!mpdo->getMpdoValue(0x6000, 2, v));
    }

    void rejectedFramesAreIgnoredAndDoNotFeedTheWatchdog_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("len");
        QTest::addColumn<int>("byte0");
        QTest::newRow("byte 0 is 0x81") << 0x465 << 8 << 0x81;
        QTest::newRow("byte 0 is 0x00") << 0x465 << 8 << 0x00;
        QTest::newRow("other identifier") << 0x466 << 8 << 0x01;
        QTest::newRow("short frame") << 0x465 << 7 << 0x01;
    }

    void rejectedFramesAreIgnoredAndDoNotFeedTheWatchdog()
    {
        QFETCH(int, id);
        QFETCH(int, len);
        QFETCH(int, byte0);
        Waker a(mpdo);
        mpdo->setMpdoEntry(&a, 0x7000, 0);
        mpdo->reconnect();
        QCOMPARE(mpdo->receiveWatchdog()->interval(), 5000);

        canMessage m = mpdoFrame(0x7000, 0, 5, static_cast<unsigned char>(byte0));
        m.id = static_cast<uint32_t>(id);
        m.len = static_cast<uint8_t>(len);
        feed(m);
        unsigned int v = 0;
        QVERIFY(!mpdo->getMpdoValue(0x7000, 0, v));
        QCOMPARE(a.updates, 0);
        QCOMPARE(mpdo->receiveWatchdog()->interval(), 5000);
    }

    void unsubscribedFrameFeedsTheWatchdog()
    {
        mpdo->reconnect();
        feed(mpdoFrame(0x7777, 1, 5));
        QCOMPARE(mpdo->receiveWatchdog()->interval(), 3000);
        QVERIFY(mpdo->receiveWatchdog()->isActive());
    }

    void watchdogFiringSoonAfterAFrameWaitsItsTime()
    {
        feed(mpdoFrame(0x7777, 1, 5));
        can->sent.clear();
        // Frames do not restart the timer; one due from before a frame must
        // not rewrite the table.
        QVERIFY(QMetaObject::invokeMethod(const_cast<QTimer*>(mpdo->receiveWatchdog()), "timeout"));
        QCOMPARE(can->sent.size(), 0);
        QVERIFY(mpdo->receiveWatchdog()->isActive());
        QVERIFY(mpdo->receiveWatchdog()->interval() <= 3000);
        // While reconnecting, it rewrites the table every time it fires.
        mpdo->reconnect();
        can->sent.clear();
        QVERIFY(QMetaObject::invokeMethod(const_cast<QTimer*>(mpdo->receiveWatchdog()), "timeout"));
        QCOMPARE(can->sent.size(), 20);
    }

    void silentControllerFrameSequence()
    {
        Waker a(mpdo);
        mpdo->setMpdoEntry(&a, 0x48E6, 0);
        mpdo->setMpdoEntry(&a, 0x48E7, 1);

        // 0.5 s: clear-all and the used entries.
        mpdo->syncMpdoList();
        QCOMPARE(sentBytes(),
                 (QVector<QByteArray> {clearAllCmd, setCmd(0, 0x48E6, 0), setCmd(1, 0x48E7, 1)}));

        // 3 s: the watchdog rewrites all 20 positions, free ones as zeros.
        can->sent.clear();
        mpdo->reconnect();
        QCOMPARE(can->sent.size(), 20);
        QCOMPARE(bytes(can->sent[0]), setCmd(0, 0x48E6, 0));
        QCOMPARE(bytes(can->sent[1]), setCmd(1, 0x48E7, 1));
        for (int k = 2; k < 20; ++k)
            QCOMPARE(bytes(can->sent[k]), clearCmd(k));
        QCOMPARE(mpdo->receiveWatchdog()->interval(), 5000);
        QVERIFY(mpdo->receiveWatchdog()->isActive());

        // Every 5 s after that, as long as nothing arrives.
        can->sent.clear();
        mpdo->reconnect();
        QCOMPARE(can->sent.size(), 20);

        // The controller is back: one frame rearms the 3 s watchdog, the value survives.
        feed(mpdoFrame(0x48E6, 0, 11));
        QCOMPARE(mpdo->receiveWatchdog()->interval(), 3000);
        can->sent.clear();
        mpdo->reconnect();
        unsigned int v = 0;
        QVERIFY(mpdo->getMpdoValue(0x48E6, 0, v));
        QCOMPARE(v, 11u);
    }

    void syncCheckRewritesSilentEntriesOnly()
    {
        Waker a(mpdo);
        mpdo->setMpdoEntry(&a, 0x1000, 1);
        mpdo->setMpdoEntry(&a, 0x1000, 2);
        mpdo->syncMpdoList();
        can->sent.clear();

        // First check only marks everything stale.
        mpdo->checkSync();
        QVERIFY(can->sent.isEmpty());

        feed(mpdoFrame(0x1000, 1, 3));
        mpdo->checkSync();
        QCOMPARE(sentBytes(), (QVector<QByteArray> {setCmd(1, 0x1000, 2)}));
    }

    void hintedLookupChecksTheSlotItIsGiven()
    {
        mpdo->syncMpdoList();
        Waker a(mpdo);
        mpdo->setMpdoEntry(&a, 0x6000, 1);
        mpdo->setMpdoEntry(&a, 0x6001, 1);
        feed(mpdoFrame(0x6000, 1, 7));
        feed(mpdoFrame(0x6001, 1, 8));
        unsigned int v = 0;
        for (int start : {-1, 0, 1, 19, 20, 1000}) {
            int hint = start;
            QVERIFY2(mpdo->getMpdoValue(0x6001, 1, v, hint), qPrintable(QString::number(start)));
            QCOMPARE(v, 8u);
            QCOMPARE(hint, 1);
        }
        // The slot now holds another entry: the hint is stale, not trusted.
        mpdo->clearMpdoEntry(&a, 0x6001, 1);
        mpdo->setMpdoEntry(&a, 0x6002, 1);
        int hint = 1;
        QVERIFY(!mpdo->getMpdoValue(0x6001, 1, v, hint));
        QCOMPARE(hint, -1);
        hint = 1;
        QVERIFY(!mpdo->getMpdoValue(0x6002, 1, v, hint));
        QCOMPARE(hint, 1);
        hint = 0;
        QVERIFY(!mpdo->getMpdoValue(0, 0, v, hint));
    }

    void indexZeroNeverMatchesAFreeSlot()
    {
        Waker a(mpdo);
        mpdo->setMpdoEntry(&a, 0, 0);
        QVERIFY(!mpdo->getMpdoEntry(0, 0));
        QCOMPARE(mpdo->slot(0)->observers->size(), 0);

        feed(mpdoFrame(0, 0, 99));
        unsigned int v = 0;
        QVERIFY(!mpdo->getMpdoValue(0, 0, v));
        for (int k = 0; k < 20; ++k)
            QVERIFY(!mpdo->slot(k)->valid);
        QCOMPARE(a.updates, 0);
        mpdo->clearMpdoEntry(&a, 0, 0);
        QVERIFY(can->sent.isEmpty());
        QVERIFY(!mpdo->slot(20));
        QVERIFY(!mpdo->slot(-1));
    }

    void twentyFirstEntryWaitsForAFreeSlot()
    {
        mpdo->syncMpdoList();
        Waker a(mpdo), late(mpdo), later(mpdo);
        for (unsigned int i = 0; i < 20; ++i)
            mpdo->setMpdoEntry(&a, 0x100 + i, 0);
        can->sent.clear();

        mpdo->setMpdoEntry(&late, 0x900, 1);
        mpdo->setMpdoEntry(&later, 0x901, 1);
        mpdo->setMpdoEntry(&a, 0x900, 1); // joins the waiting entry
        QCOMPARE(mpdo->getNumberOfWaitingEntries(), 2);
        QVERIFY(can->sent.isEmpty());
        QVERIFY(!mpdo->getMpdoEntry(0x900, 1));
        unsigned int v = 0;
        feed(mpdoFrame(0x900, 1, 5));
        QVERIFY(!mpdo->getMpdoValue(0x900, 1, v));
        QCOMPARE(late.updates, 0);

        mpdo->clearMpdoEntry(&a, 0x107, 0);
        QCOMPARE(sentBytes(), (QVector<QByteArray> {clearCmd(7), setCmd(7, 0x900, 1)}));
        QCOMPARE(mpdo->getNumberOfWaitingEntries(), 1);
        QCOMPARE(mpdo->slot(7)->index, 0x900u);
        QVERIFY(!mpdo->getMpdoValue(0x900, 1, v));

        feed(mpdoFrame(0x900, 1, 6));
        QVERIFY(mpdo->getMpdoValue(0x900, 1, v));
        QCOMPARE(v, 6u);
        QCOMPARE(late.updates, 1);
        QCOMPARE(a.updates, 1);

        // A waiting entry that loses its last subscriber leaves the queue.
        mpdo->clearMpdoEntry(&later, 0x901, 1);
        QCOMPARE(mpdo->getNumberOfWaitingEntries(), 0);
        can->sent.clear();
        mpdo->clearMpdoEntry(&a, 0x100, 0);
        QCOMPARE(sentBytes(), (QVector<QByteArray> {clearCmd(0)}));
    }

    void waitingEntryFreedBeforeFirstSyncIsWrittenBySync()
    {
        Waker a(mpdo);
        for (unsigned int i = 0; i < 21; ++i)
            mpdo->setMpdoEntry(&a, 0x100 + i, 0);
        mpdo->clearMpdoEntry(&a, 0x100, 0);
        QCOMPARE(sentBytes(), (QVector<QByteArray> {clearCmd(0)}));
        can->sent.clear();
        mpdo->syncMpdoList();
        QCOMPARE(can->sent.size(), 21);
        QCOMPARE(bytes(can->sent[1]), setCmd(0, 0x114, 0));
    }

    void observerMayUnsubscribeOthersWhileWoken()
    {
        Waker a(mpdo), b(mpdo), c(mpdo);
        mpdo->setMpdoEntry(&a, 0x2222, 0);
        mpdo->setMpdoEntry(&b, 0x2222, 0);
        mpdo->setMpdoEntry(&c, 0x2222, 0);
        a.onUpdate = [&] {
            mpdo->clearMpdoEntry(&b, 0x2222, 0);
            mpdo->setMpdoEntry(&a, 0x2222, 0);
        };
        feed(mpdoFrame(0x2222, 0, 1));
        QCOMPARE(a.updates, 1); // the new subscription counts from the next frame
        QCOMPARE(b.updates, 0);
        QCOMPARE(c.updates, 1);
        a.onUpdate = nullptr;
        feed(mpdoFrame(0x2222, 0, 2));
        QCOMPARE(a.updates, 3);
    }

    void framesArriveThroughThePlatformCanSubject()
    {
        VemorRcCanSubject platformCan(nullptr);
        MpdoSubject client(&platformCan);
        Waker a(&client);
        client.setMpdoEntry(&a, 0x48E6, 0);
        canMessage m = mpdoFrame(0x48E6, 0, 0x01020304);
        platformCan.setCanMessage(0x465, m.data, 8);
        platformCan.setCanMessage(0x465, m.data, 8);
        QCOMPARE(a.updates, 0);
        QTRY_COMPARE(a.updates, 2);
        unsigned int v = 0;
        QVERIFY(client.getMpdoValue(0x48E6, 0, v));
        QCOMPARE(v, 0x01020304u);

        client.syncMpdoList();
        QCOMPARE(platformCan.pendingTransmitFrames(), 2);
    }
};

QTEST_MAIN(MpdoSubjectTest)
#include "mpdosubjecttest.moc"
