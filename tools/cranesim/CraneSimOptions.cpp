#include "CraneSimOptions.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
const QString ShippedDir = QStringLiteral(":/cranesim/scenarios");
}

CraneSimOptions CraneSimOptions::parse(const QStringList& arguments)
{
    CraneSimOptions o;
    int backends = 0;
    for (int i = 1; i < arguments.size(); ++i) {
        QString arg = arguments.at(i);
        QString value;
        bool inlineValue = false;
        const int eq = arg.indexOf(QLatin1Char('='));
        if (arg.startsWith(QLatin1String("--")) && eq > 2) {
            value = arg.mid(eq + 1);
            arg = arg.left(eq);
            inlineValue = true;
        }
        const bool flag = arg == QLatin1String("--demo") || arg == QLatin1String("--no-sim")
            || arg == QLatin1String("--quit-at-end");
        const bool withValue = arg == QLatin1String("--scenario") || arg == QLatin1String("--replay")
            || arg == QLatin1String("--socketcan") || arg == QLatin1String("--screens-dir")
            || arg == QLatin1String("--sim-cycle");
        if (!flag && !withValue)
            continue;
        if (withValue && !inlineValue) {
            if (i + 1 >= arguments.size()) {
                o.errors << QStringLiteral("%1 needs a value").arg(arg);
                continue;
            }
            value = arguments.at(++i);
        }
        if (withValue && value.isEmpty()) {
            o.errors << QStringLiteral("%1 needs a value").arg(arg);
            continue;
        }
        if (arg == QLatin1String("--demo")) {
            o.backend = Demo;
            ++backends;
        } else if (arg == QLatin1String("--no-sim")) {
            o.backend = None;
            ++backends;
        } else if (arg == QLatin1String("--quit-at-end")) {
            o.quitAtEnd = true;
        } else if (arg == QLatin1String("--scenario")) {
            o.backend = ScenarioFile;
            o.source = value;
            ++backends;
        } else if (arg == QLatin1String("--replay")) {
            o.backend = Replay;
            o.source = value;
            ++backends;
        } else if (arg == QLatin1String("--socketcan")) {
            o.backend = SocketCan;
            o.source = value;
            ++backends;
        } else if (arg == QLatin1String("--screens-dir")) {
            o.screensDir = value;
        } else if (arg == QLatin1String("--sim-cycle")) {
            bool ok = false;
            const int ms = value.toInt(&ok);
            if (!ok || ms < 1 || ms > 60000)
                o.errors << QStringLiteral("--sim-cycle needs 1 to 60000 milliseconds, not \"%1\"").arg(value);
            else
                o.cycleMs = ms;
        }
    }
    if (backends > 1)
        o.errors << QStringLiteral("choose one of --demo, --scenario, --replay, --socketcan, --no-sim; the last one is used");
    return o;
}

QString CraneSimOptions::scenarioPath(const QString& source)
{
    if (QFileInfo(source).isFile())
        return source;
    static const QRegularExpression plainName(QStringLiteral("^[A-Za-z0-9_-]+$"));
    if (plainName.match(source).hasMatch()) {
        const QString shipped = ShippedDir + QLatin1Char('/') + source + QStringLiteral(".scn");
        if (QFileInfo::exists(shipped))
            return shipped;
    }
    return QString();
}

QStringList CraneSimOptions::shippedScenarios()
{
    QStringList names;
    for (const QString& f : QDir(ShippedDir).entryList({QStringLiteral("*.scn")}, QDir::Files, QDir::Name))
        names << QFileInfo(f).completeBaseName();
    return names;
}
