#include "CraneSimOptions.h"
#include "Scenario.h"
#include "ScenarioPlayer.h"
#include "ScenarioTarget.h"

#include <QDir>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>

namespace {
// Records what a scenario does, as "name=value" and "key 3 down" lines.
class RecordingTarget : public ScenarioTarget {
public:
    QStringList log;
    QHash<QString, double> values;
    void setQuantity(const QString& name, double value) override
    {
        values[name] = value;
        log << QStringLiteral("%1=%2").arg(name).arg(value);
    }
    void softKey(int key, bool pressed) override { log << QStringLiteral("key %1 %2").arg(key).arg(pressed ? "down" : "up"); }
    void lever(int lever, int position) override { log << QStringLiteral("lever %1 %2").arg(lever).arg(position); }
    void digitalInput(int input, bool on) override { log << QStringLiteral("input %1 %2").arg(input).arg(on); }
    void screenshot(const QString& name) override { log << QStringLiteral("shot ") + name; }
};
}

class ScenarioTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(cranesim); }

    void badInputNamesItsLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown quantity") << "# start\nat 0 set mode crane\n\nat 1 set crane.lod 5" << "line 4: unknown quantity \"crane.lod\"";
        QTest::newRow("value out of range") << "at 0 set crane.strength 120" << "line 1: crane.strength must be between 0 and 100, not 120";
        QTest::newRow("no time word") << "0 set mode crane" << "line 1: expected";
        QTest::newRow("bad time") << "at soon set mode crane" << "line 1: bad time \"soon\"";
        QTest::newRow("negative time") << "at -1 set mode crane" << "line 1: bad time";
        QTest::newRow("unknown action") << "at 1 jump 3" << "line 1: unknown action \"jump\"";
        QTest::newRow("ramp without over") << "at 1 ramp crane.load from 0 to 10" << "line 1: usage: ramp";
        QTest::newRow("ramp to unknown") << "at 1 ramp crane.load from 0 to unknown over 1" << "line 1: a ramp needs known values";
        QTest::newRow("soft key 8") << "at 1 press 8" << "line 1: usage: press KEY";
        QTest::newRow("lever 9") << "at 1 lever 9 100" << "line 1: usage: lever";
        QTest::newRow("lever position 256") << "at 1 lever 0 256" << "line 1: usage: lever";
        QTest::newRow("input 32") << "at 1 input 32 on" << "line 1: usage: input";
        QTest::newRow("screenshot leaving its folder") << "at 1 screenshot ../x" << "line 1: usage: screenshot";
        QTest::newRow("screenshot with a slash") << "at 1 screenshot a/b" << "line 1: usage: screenshot";
        QTest::newRow("loop at 0") << "at 0 loop" << "line 1: loop needs a time after 0";
        QTest::newRow("beyond a day") << "at 25h set mode crane" << "line 1: bad time";
    }
    void badInputNamesItsLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, error);
        Scenario s;
        QString why;
        QVERIFY(!s.parse(text, &why));
        QVERIFY2(why.startsWith(error), qPrintable(why));
        QVERIFY(s.isEmpty());
    }

    void timesAndOrder()
    {
        Scenario s;
        QString why;
        QVERIFY2(s.parse(QStringLiteral("at 2 set mode stab   # comment\n"
                                         "after 500ms press 1\n"
                                         "at 1min release 1\n"
                                         "at 1 set mode crane\n"
                                         "at 1 ramp crane.load from 0 to 100 over 2.5s\n"),
                         &why),
                 qPrintable(why));
        const auto& e = s.events();
        QCOMPARE(e.size(), 5);
        QCOMPARE(e.at(0).atMs, 1000);
        QCOMPARE(e.at(0).line, 4);
        QCOMPARE(e.at(1).kind, Scenario::Event::Ramp);
        QCOMPARE(e.at(1).durationMs, 2500);
        QCOMPARE(e.at(3).atMs, 2500);
        QCOMPARE(e.at(4).atMs, 60000);
        QCOMPARE(s.lengthMs(), 60000);
    }

    void playerFiresEventsAndInterpolatesRamps()
    {
        Scenario s;
        QVERIFY(s.parse(QStringLiteral("at 0 set mode crane\n"
                                       "at 1 ramp crane.load from 0 to 100 over 4\n"
                                       "at 2 press 3\nat 2.2 release 3\n"
                                       "at 3 lever 2 to 200\nat 3 input 7 on\n"
                                       "at 4 set crane.load 10\n"
                                       "at 4 screenshot after-ramp\n"
                                       "at 6 end\nat 7 set mode stop\n")));
        RecordingTarget t;
        ScenarioPlayer p(s, &t);
        QSignalSpy done(&p, &ScenarioPlayer::finished);
        p.advanceTo(0);
        QCOMPARE(t.values.value(QStringLiteral("mode")), 1.0);
        p.advanceTo(2000);
        QCOMPARE(t.values.value(QStringLiteral("crane.load")), 25.0);
        QVERIFY(t.log.contains(QStringLiteral("key 3 down")));
        QVERIFY(!t.log.contains(QStringLiteral("key 3 up")));
        p.advanceTo(3000);
        QVERIFY(t.log.contains(QStringLiteral("key 3 up")));
        QVERIFY(t.log.contains(QStringLiteral("lever 2 200")));
        QVERIFY(t.log.contains(QStringLiteral("input 7 1")));
        // A setting ends the ramp that was still running.
        p.advanceTo(5500);
        QCOMPARE(t.values.value(QStringLiteral("crane.load")), 10.0);
        QVERIFY(t.log.contains(QStringLiteral("shot after-ramp")));
        p.advanceTo(2000); // never backwards
        QCOMPARE(t.values.value(QStringLiteral("crane.load")), 10.0);
        p.advanceTo(10000);
        QVERIFY(p.isFinished());
        QCOMPARE(done.count(), 1);
        QCOMPARE(t.values.value(QStringLiteral("mode")), 1.0);
    }

    void rampJumpedOverEndsAtItsTarget()
    {
        Scenario s;
        QVERIFY(s.parse(QStringLiteral("at 0 ramp hdl.level from 100 to 0 over 10\nat 1 set cbs on\n")));
        RecordingTarget t;
        ScenarioPlayer p(s, &t);
        p.advanceTo(1000);
        QCOMPARE(t.values.value(QStringLiteral("hdl.level")), 90.0);
        p.advanceTo(60000);
        QCOMPARE(t.values.value(QStringLiteral("hdl.level")), 0.0);
        QVERIFY(p.isFinished());
    }

    void loopStartsAgain()
    {
        Scenario s;
        QVERIFY(s.parse(QStringLiteral("at 0 set error 0\nat 1 set error 5\nat 2 loop\n")));
        RecordingTarget t;
        ScenarioPlayer p(s, &t);
        p.advanceTo(1500);
        QCOMPARE(t.values.value(QStringLiteral("error")), 5.0);
        p.advanceTo(2500);
        QCOMPARE(t.values.value(QStringLiteral("error")), 0.0);
        QCOMPARE(p.loops(), 1);
        p.advanceTo(9100);
        QCOMPARE(p.loops(), 4);
        QCOMPARE(t.values.value(QStringLiteral("error")), 5.0);
        QVERIFY(!p.isFinished());
    }

    void shippedScenariosAreValid()
    {
        const QStringList names = CraneSimOptions::shippedScenarios();
        QVERIFY(names.contains(QStringLiteral("demo")));
        QVERIFY(names.size() >= 5);
        for (const QString& n : names) {
            Scenario s;
            QString why;
            QVERIFY2(s.load(CraneSimOptions::scenarioPath(n), &why), qPrintable(why));
            QVERIFY2(!s.isEmpty(), qPrintable(n));
        }
        QVERIFY(CraneSimOptions::scenarioPath(QStringLiteral("../demo")).isEmpty());
        QVERIFY(CraneSimOptions::scenarioPath(QStringLiteral("no-such")).isEmpty());
    }

    void options_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("backend");
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("errors");
        QTest::newRow("default demo") << QStringList {"nordel", "--screenshot", "a.png"} << int(CraneSimOptions::Demo) << QString() << 0;
        QTest::newRow("scenario") << QStringList {"nordel", "--scenario", "startup"} << int(CraneSimOptions::ScenarioFile) << "startup" << 0;
        QTest::newRow("inline replay") << QStringList {"nordel", "--replay=f.log"} << int(CraneSimOptions::Replay) << "f.log" << 0;
        QTest::newRow("bus") << QStringList {"nordel", "--socketcan", "can1"} << int(CraneSimOptions::SocketCan) << "can1" << 0;
        QTest::newRow("no simulator") << QStringList {"nordel", "--no-sim"} << int(CraneSimOptions::None) << QString() << 0;
        QTest::newRow("missing value") << QStringList {"nordel", "--scenario"} << int(CraneSimOptions::Demo) << QString() << 1;
        QTest::newRow("two backends") << QStringList {"nordel", "--no-sim", "--demo"} << int(CraneSimOptions::Demo) << QString() << 1;
        QTest::newRow("bad cycle") << QStringList {"nordel", "--sim-cycle", "0"} << int(CraneSimOptions::Demo) << QString() << 1;
    }
    void options()
    {
        QFETCH(QStringList, args);
        QFETCH(int, backend);
        QFETCH(QString, source);
        QFETCH(int, errors);
        const CraneSimOptions o = CraneSimOptions::parse(args);
        QCOMPARE(int(o.backend), backend);
        QCOMPARE(o.source, source);
        QCOMPARE(o.errors.size(), errors);
    }
};

QTEST_GUILESS_MAIN(ScenarioTest)
#include "scenariotest.moc"
