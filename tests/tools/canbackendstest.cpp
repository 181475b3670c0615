#include "CandumpReplayBackend.h"
#include "SocketCanBackend.h"

#include "CandumpLogger.h"

#include <QTest>

#include <cstring>
#include <linux/can.h>
#include <sys/socket.h>
#include <unistd.h>

class CanBackendsTest : public QObject {
    Q_OBJECT

private slots:
    void logLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<unsigned int>("id");
        QTest::addColumn<int>("len");
        QTest::newRow("mpdo") << QByteArray("(1700000000.123456) can0 465#01E6480014000000") << true << 0x465u << 8;
        QTest::newRow("empty payload") << QByteArray("(1.000000) can0 605#") << true << 0x605u << 0;
        QTest::newRow("extended id") << QByteArray("(1.000000) can0 00000465#01") << true << 0x465u << 1;
        QTest::newRow("remote frame") << QByteArray("(1.000000) can0 465#R") << false << 0u << 0;
        QTest::newRow("CAN FD") << QByteArray("(1.000000) can0 465##1010101") << false << 0u << 0;
        QTest::newRow("odd hex") << QByteArray("(1.000000) can0 465#0") << false << 0u << 0;
        QTest::newRow("nine bytes") << QByteArray("(1.000000) can0 465#010203040506070809") << false << 0u << 0;
        QTest::newRow("short micros") << QByteArray("(1.5) can0 465#01") << false << 0u << 0;
        QTest::newRow("garbage") << QByteArray("hello") << false << 0u << 0;
    }
    void logLines()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, ok);
        QFETCH(unsigned int, id);
        QFETCH(int, len);
        qint64 t = 0;
        unsigned int gotId = 0;
        QByteArray data;
        QCOMPARE(CandumpReplayBackend::parseLine(line, t, gotId, data), ok);
        if (ok) {
            QCOMPARE(gotId, id);
            QCOMPARE(data.size(), len);
        }
    }

    void replayKeepsTheControllersFramesAndTheirTiming()
    {
        const unsigned char a[8] = {1, 0xE6, 0x48, 0, 10, 0, 0, 0};
        const unsigned char b[8] = {1, 0xE6, 0x48, 0, 20, 0, 0, 0};
        const unsigned char cmd[8] = {0x2F, 0xF2, 0x48, 0, 1, 0, 0, 0};
        QByteArray log = CandumpLogger::formatLine(5000000, QStringLiteral("can0"), 0x605, cmd, 8);
        log += CandumpLogger::formatLine(5100000, QStringLiteral("can0"), 0x465, a, 8);
        log += "not a frame\n";
        log += CandumpLogger::formatLine(5350000, QStringLiteral("can0"), 0x465, b, 8);
        // A clock step back in the recording keeps the order.
        log += CandumpLogger::formatLine(5300000, QStringLiteral("can0"), 0x465, a, 8);
        CandumpReplayBackend replay;
        QList<int> got;
        replay.setFrameSink([&got](const unsigned char* d, unsigned char len) {
            QCOMPARE(len, static_cast<unsigned char>(8));
            got << d[4];
        });
        QVERIFY(replay.parse(log));
        QCOMPARE(replay.frames().size(), 3);
        QCOMPARE(replay.skippedLines(), 1);
        QCOMPARE(replay.firstBadLine(), 3);
        QCOMPARE(replay.advanceTo(0), 1);
        QCOMPARE(replay.advanceTo(249), 0);
        QCOMPARE(replay.advanceTo(250), 2);
        QCOMPARE(got, (QList<int> {10, 20, 10}));
        QVERIFY(replay.isFinished());
        QVERIFY(!CandumpReplayBackend().parse("(1.000000) can0 605#00\n"));
    }

    void socketCarriesFramesBothWays()
    {
        int pair[2];
        QCOMPARE(::socketpair(AF_UNIX, SOCK_SEQPACKET, 0, pair), 0);
        SocketCanBackend bus;
        bus.adopt(pair[0]);
        QList<QByteArray> got;
        bus.setFrameSink([&got](const unsigned char* d, unsigned char len) {
            got << QByteArray(reinterpret_cast<const char*>(d), len);
        });
        auto send = [&](canid_t id, unsigned char dlc) {
            can_frame f {};
            f.can_id = id;
            f.can_dlc = dlc;
            std::memset(f.data, 0x11, sizeof f.data);
            QCOMPARE(::write(pair[1], &f, sizeof f), static_cast<ssize_t>(sizeof f));
        };
        send(0x465, 8);
        send(0x466, 8);
        send(0x465 | CAN_EFF_FLAG, 8);
        send(0x465 | CAN_RTR_FLAG, 0);
        send(0x465, 15); // a corrupt length
        send(0x465, 3);
        bus.readFrames();
        QCOMPARE(got.size(), 2);
        QCOMPARE(got.at(1).size(), 3);
        // The display's command leaves without the platform's offset.
        const unsigned char cmd[8] = {0x23, 0xE3, 0x48, 1, 0xE6, 0x48, 0, 0};
        bus.transmit(0x1605, cmd, 8);
        can_frame out {};
        QCOMPARE(::read(pair[1], &out, sizeof out), static_cast<ssize_t>(sizeof out));
        QCOMPARE(out.can_id, 0x605u);
        QCOMPARE(out.can_dlc, static_cast<unsigned char>(8));
        QCOMPARE(out.data[4], static_cast<unsigned char>(0xE6));
        ::close(pair[1]);
    }

    // A bus that goes away (here: the far end of the descriptor closes) is
    // opened again, and frames flow both ways on the new descriptor.
    void lostBusIsOpenedAgain()
    {
        int first[2];
        int second[2];
        QCOMPARE(::socketpair(AF_UNIX, SOCK_SEQPACKET, 0, first), 0);
        QCOMPARE(::socketpair(AF_UNIX, SOCK_SEQPACKET, 0, second), 0);
        SocketCanBackend bus;
        bus.setRetryInterval(5);
        int attempts = 0;
        bus.setReopen([&]() { return ++attempts < 3 ? -1 : second[0]; });
        int received = 0;
        bus.setFrameSink([&received](const unsigned char*, unsigned char) { ++received; });
        bus.adopt(first[0]);
        ::close(first[1]);
        const unsigned char cmd[8] = {0x23, 0xE3, 0x48, 1, 0xE6, 0x48, 0, 0};
        QTRY_VERIFY(!bus.isOpen());
        bus.transmit(0x1605, cmd, 8); // nowhere to go while the bus is gone
        QTRY_VERIFY(bus.isOpen());
        QCOMPARE(attempts, 3); // retried until it came back, then no more
        can_frame f {};
        f.can_id = 0x465;
        f.can_dlc = 8;
        QCOMPARE(::write(second[1], &f, sizeof f), static_cast<ssize_t>(sizeof f));
        QTRY_COMPARE(received, 1);
        bus.transmit(0x1605, cmd, 8);
        can_frame out {};
        QCOMPARE(::read(second[1], &out, sizeof out), static_cast<ssize_t>(sizeof out));
        QCOMPARE(out.can_id, 0x605u);
        QTest::qWait(30);
        QCOMPARE(attempts, 3);
        ::close(second[1]);
    }

    void openingRefusesBadNamesAndReportsFailure()
    {
        SocketCanBackend bus;
        QString why;
        QVERIFY(!bus.open(QStringLiteral("can0; rm -rf /"), &why));
        QVERIFY(why.contains(QLatin1String("not an interface name")));
        QVERIFY(!bus.open(QStringLiteral("averyveryverylongname"), &why));
        // This machine has no CAN at all; elsewhere the interface is missing.
        QVERIFY(!bus.open(QStringLiteral("nordelcan9"), &why));
        QVERIFY(!why.isEmpty());
        QVERIFY(!bus.isOpen());
        const unsigned char cmd[8] = {};
        bus.transmit(0x1605, cmd, 8); // nothing to write to, nothing happens
    }
};

QTEST_GUILESS_MAIN(CanBackendsTest)
#include "canbackendstest.moc"
