#pragma once

#include <QString>
#include <QStringList>

// The desktop program's choice of CAN backend, from its command line:
//   --demo (default)        simulated crane playing the built-in demo
//   --scenario FILE|NAME    simulated crane playing a scenario file or a shipped one
//   --replay FILE           a candump log replayed with its timing
//   --socketcan IFNAME      a real bus
//   --no-sim                no bus (frames are only recorded)
// and for scenarios --screens-dir DIR, --quit-at-end, --sim-cycle MS.
// Arguments it does not know belong to others and are left alone.
struct CraneSimOptions {
    enum Backend { Demo, ScenarioFile, Replay, SocketCan, None };

    Backend backend = Demo;
    QString source; // scenario, log file or interface name
    QString screensDir = QStringLiteral(".");
    bool quitAtEnd = false;
    int cycleMs = 100;
    QStringList errors;

    static CraneSimOptions parse(const QStringList& arguments);
    // The file behind a scenario argument: the file itself, else a shipped
    // scenario of that name; empty if neither exists.
    static QString scenarioPath(const QString& source);
    static QStringList shippedScenarios();
};
