#include "ControllerSimulator.h"
#include "CraneModel.h"

#include <QTest>
#include <QVector>

#include <cmath>

namespace {
struct Sent {
    unsigned int index;
    unsigned char subIndex;
    unsigned int value;
};

QByteArray setEntry(int position, unsigned int index, unsigned char subIndex)
{
    const char b[8] = {0x23, char(0xE3), 0x48, char(position), char(index & 0xFF), char(index >> 8), char(subIndex), 0};
    return QByteArray(b, 8);
}

QByteArray clearAll()
{
    const char b[8] = {0x2F, char(0xF2), 0x48, 0x00, 0x01, 0, 0, 0};
    return QByteArray(b, 8);
}
}

class ControllerSimulatorTest : public QObject {
    Q_OBJECT

private:
    CraneModel* model = nullptr;
    ControllerSimulator* sim = nullptr;
    QVector<Sent> sent;

    void command(const QByteArray& b, unsigned int id = ControllerSimulator::CommandId)
    {
        sim->receiveCommand(id, reinterpret_cast<const unsigned char*>(b.constData()), static_cast<unsigned char>(b.size()));
    }
    unsigned int valueOf(unsigned int index, unsigned char subIndex = 0)
    {
        unsigned int v = 0;
        const bool known = model->entryValue(index, subIndex, v);
        return known ? v : 0xDEADBEEFu;
    }

private slots:
    void init()
    {
        model = new CraneModel;
        sim = new ControllerSimulator(model);
        sent.clear();
        sim->setFrameSink([this](const unsigned char* d, unsigned char len) {
            QCOMPARE(len, static_cast<unsigned char>(8));
            QCOMPARE(d[0], static_cast<unsigned char>(0x01));
            sent.append({unsigned(d[1] | d[2] << 8), d[3], unsigned(d[4] | d[5] << 8 | d[6] << 16 | unsigned(d[7]) << 24)});
        });
    }
    void cleanup()
    {
        delete sim;
        delete model;
    }

    void tableFollowsTheDisplaysCommands()
    {
        command(setEntry(1, 0x48E6, 0));
        command(setEntry(20, 0x2111, 1));
        QCOMPARE(sim->entry(1).index, 0x48E6u);
        QCOMPARE(sim->entry(20).index, 0x2111u);
        QCOMPARE(sim->entry(20).subIndex, static_cast<unsigned char>(1));
        QCOMPARE(sim->usedEntries(), 2);
        // Writing zeros frees a position; positions 0 and 21 do not exist.
        command(setEntry(1, 0, 0));
        command(setEntry(0, 0x48E7, 0));
        command(setEntry(21, 0x48E7, 0));
        QCOMPARE(sim->usedEntries(), 1);
        // Without the platform offset, with a short frame or another command
        // the controller does not listen.
        command(setEntry(2, 0x48E7, 0), 0x605);
        command(setEntry(2, 0x48E7, 0).left(7));
        QByteArray upload = setEntry(2, 0x48E7, 0);
        upload[0] = 0x40;
        command(upload);
        QCOMPARE(sim->usedEntries(), 1);
        command(clearAll());
        QCOMPARE(sim->usedEntries(), 0);
    }

    void cycleSendsEachKnownEntryOnceInTableOrder()
    {
        command(setEntry(3, 0x48E6, 0));
        command(setEntry(1, 0x48EA, 0));
        command(setEntry(2, 0x1234, 0)); // not a controller entry
        command(setEntry(4, 0x48E6, 0)); // subscribed twice: two positions, two frames
        sim->cycle();
        QCOMPARE(sent.size(), 3);
        QCOMPARE(sent.at(0).index, 0x48EAu);
        QCOMPARE(sent.at(1).index, 0x48E6u);
        QCOMPARE(sent.at(2).index, 0x48E6u);
        QCOMPARE(sent.at(1).value, valueOf(0x48E6));
        QCOMPARE(sim->framesSent(), 3ull);
    }

    void silenceLosesTheTableUntilItIsWrittenAgain()
    {
        command(setEntry(1, 0x48E6, 0));
        model->set(QStringLiteral("controller.silent"), 1);
        sim->cycle();
        command(setEntry(2, 0x48E7, 0));
        QVERIFY(sent.isEmpty());
        QCOMPARE(sim->usedEntries(), 0);
        model->set(QStringLiteral("controller.silent"), 0);
        sim->cycle();
        QVERIFY(sent.isEmpty());
        command(setEntry(1, 0x48E6, 0));
        sim->cycle();
        QCOMPARE(sent.size(), 1);
    }

    void encodesTheEntries_data()
    {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<double>("value");
        QTest::addColumn<unsigned int>("index");
        QTest::addColumn<int>("subIndex");
        QTest::addColumn<unsigned int>("mask");
        QTest::addColumn<unsigned int>("expected");
        QTest::newRow("crane load low byte") << "crane.load" << 100.0 << 0x48E6u << 0 << 0xFFu << 100u;
        QTest::newRow("winch load third byte") << "winch.load" << 10.0 << 0x48E6u << 0 << 0xFF0000u << 0x0A0000u;
        QTest::newRow("load beyond a byte") << "evs.load" << 300.0 << 0x48E6u << 0 << 0xFF000000u << 0xFF000000u;
        QTest::newRow("flyjib strength second byte") << "flyjib.strength" << 50.0 << 0x48E7u << 0 << 0xFF00u << 0x3200u;
        QTest::newRow("HDL level top byte") << "hdl.level" << 89.0 << 0x48E7u << 0 << 0xFF000000u << 0x59000000u;
        QTest::newRow("sleep") << "mode" << 3.0 << 0x48EAu << 0 << 0x1FFu << 0x001u;
        QTest::newRow("stop") << "mode" << 4.0 << 0x48EAu << 0 << 0x1FFu << 0x100u;
        QTest::newRow("stab") << "mode" << 2.0 << 0x48EAu << 0 << 0x1FFu << 0x002u;
        QTest::newRow("crane") << "mode" << 1.0 << 0x48EAu << 0 << 0x1FFu << 0x004u;
        QTest::newRow("none") << "mode" << 0.0 << 0x48EAu << 0 << 0x1FFu << 0x000u;
        QTest::newRow("override bit") << "override" << 1.0 << 0x48EAu << 0 << (1u << 17) << (1u << 17);
        QTest::newRow("no winch") << "winch.available" << 0.0 << 0x48EAu << 0 << (1u << 21) << 0u;
        QTest::newRow("cbs bit") << "cbs" << 1.0 << 0x48EAu << 0 << (1u << 26) << (1u << 26);
        QTest::newRow("error code") << "error" << 42.0 << 0x47CBu << 0 << 0xFFFFu << 42u;
        QTest::newRow("alternative code") << "error.alt" << 127.0 << 0x47CBu << 0 << 0xFF000000u << 0x7F000000u;
        QTest::newRow("buzzer 800 ms") << "buzzer" << 3.0 << 0x47CBu << 0 << 0xFF0000u << 0x030000u;
        QTest::newRow("joint 2 down is bit 2") << "blocked.joint2.down" << 1.0 << 0x2111u << 1 << 0xFFFFFFFFu << 0x4u;
        QTest::newRow("winch 2 is bit 12") << "blocked.winch.2" << 1.0 << 0x2111u << 1 << 0xFFFFFFFFu << 0x1000u;
        QTest::newRow("tilt -5 degrees") << "evs.y.deg" << -5.0 << 0x48E8u << 0 << 0xFFFF0000u << 0xFE0C0000u;
        QTest::newRow("tilt percent") << "evs.x.pct" << 1000.0 << 0x48E9u << 0 << 0xFFFFu << 0x3E8u;
        QTest::newRow("left side") << "stab.side" << 0.0 << 0x4870u << 0 << 0xFFu << 0xFFu;
        QTest::newRow("right side") << "stab.side" << 1.0 << 0x4870u << 0 << 0xFFu << 0x01u;
        QTest::newRow("no side") << "stab.side" << 2.0 << 0x4870u << 0 << 0xFFu << 0x00u;
        QTest::newRow("hook weight float") << "hook.weight" << 1025.0 << 0x2148u << 0 << 0xFFFFFFFFu << 0x44802000u;
        QTest::newRow("days to service, negative") << "service.days" << -2.0 << 0x27B8u << 0 << 0xFFFFFFFFu
                                                   << static_cast<unsigned int>(-172800);
        QTest::newRow("EPTO too hot") << "epto.hot" << 1.0 << 0x5A23u << 0 << (1u << 13) << (1u << 13);
        QTest::newRow("SLM load tenths") << "slm.load" << 12.5 << 0x47CFu << 0 << 0xFFFF0000u << (125u << 16);
        QTest::newRow("override time in 100 ms") << "override.time" << 29.9 << 0x2C21u << 0 << 0xFFFFFFFFu << 0xDEADBEEFu;
    }
    void encodesTheEntries()
    {
        QFETCH(QString, quantity);
        QFETCH(double, value);
        QFETCH(unsigned int, index);
        QFETCH(int, subIndex);
        QFETCH(unsigned int, mask);
        QFETCH(unsigned int, expected);
        QVERIFY(model->set(quantity, value));
        const unsigned int v = valueOf(index, static_cast<unsigned char>(subIndex));
        QCOMPARE(v == 0xDEADBEEFu ? v : (v & mask), expected);
    }

    void silentOnWhatItDoesNotKnow()
    {
        // An override time exists only while the override is on.
        model->set(QStringLiteral("override.time"), 29.9);
        QCOMPARE(valueOf(0x2C21), 0xDEADBEEFu);
        model->set(QStringLiteral("override"), 1);
        QCOMPARE(valueOf(0x2C21), 299u);
        // An unknown driver version is never sent: the display keeps its splash.
        model->set(QStringLiteral("driver.version"), std::nan(""));
        QCOMPARE(valueOf(0x48E5), 0xDEADBEEFu);
        // Old controllers know only the old calibration entry.
        QCOMPARE(valueOf(0x6014), 0xDEADBEEFu);
        QCOMPARE(valueOf(0x48F0), 100u);
        model->set(QStringLiteral("driver.version"), 3);
        QCOMPARE(valueOf(0x48E5), 3u);
        QCOMPARE(valueOf(0x6014), 100u);
        QCOMPARE(valueOf(0x48F0), 0xDEADBEEFu);
        model->set(QStringLiteral("oil.available"), 0);
        QCOMPARE(valueOf(0x488C), 0xDEADBEEFu);
        QVERIFY(!model->set(QStringLiteral("no.such.thing"), 1));
    }

    void timeAndDerating()
    {
        model->set(QStringLiteral("clock"), 1000);
        model->set(QStringLiteral("override"), 1);
        model->set(QStringLiteral("override.time"), 1.0);
        model->advance(600);
        model->advance(600);
        QCOMPARE(valueOf(0x23B0), 1001u);
        QCOMPARE(model->get(QStringLiteral("override.time")), 0.0);
        QCOMPARE(valueOf(0x2C21), 0u);
        // Automatic derating: full strength up to 90 %, HDL closes from 80 %.
        model->set(QStringLiteral("derate.auto"), 1);
        model->set(QStringLiteral("crane.load"), 80);
        QCOMPARE(valueOf(0x48E7) & 0xFF0000FFu, 0x64000064u);
        model->set(QStringLiteral("crane.load"), 115);
        QCOMPARE(model->craneStrength(), 0.0);
        QCOMPARE(model->hdlLevel(), 0.0);
        model->set(QStringLiteral("crane.load"), 102.5);
        QCOMPARE(model->craneStrength(), 50.0);
        QCOMPARE(model->hdlLevel(), 25.0);
    }

    void parsesValuesForScenarios()
    {
        double v = 0;
        QString why;
        QVERIFY(CraneModel::parseValue(QStringLiteral("mode"), QStringLiteral("stab"), v));
        QCOMPARE(v, 2.0);
        QVERIFY(CraneModel::parseValue(QStringLiteral("cbs"), QStringLiteral("yes"), v));
        QCOMPARE(v, 1.0);
        QVERIFY(CraneModel::parseValue(QStringLiteral("clock"), QStringLiteral("1970-01-02T00:00"), v));
        QCOMPARE(v, 86400.0);
        QVERIFY(!CraneModel::parseValue(QStringLiteral("crane.strength"), QStringLiteral("101"), v, &why));
        QVERIFY(why.contains(QLatin1String("between 0 and 100")));
        QVERIFY(!CraneModel::parseValue(QStringLiteral("mode"), QStringLiteral("fly"), v, &why));
        QVERIFY(why.contains(QLatin1String("none|crane|stab|sleep|stop")));
        QVERIFY(!CraneModel::parseValue(QStringLiteral("crane.load"), QStringLiteral("nan"), v));
        QVERIFY(!CraneModel::parseValue(QStringLiteral("crane.load"), QStringLiteral("inf"), v));
        QVERIFY(CraneModel::parseValue(QStringLiteral("crane.load"), QStringLiteral("unknown"), v));
        QVERIFY(std::isnan(v));
    }
};

QTEST_GUILESS_MAIN(ControllerSimulatorTest)
#include "controllersimulatortest.moc"
