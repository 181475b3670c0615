#include "CandumpReplayBackend.h"
#include "ControllerSimulator.h"
#include "CraneSimOptions.h"
#include "Scenario.h"
#include "SimulatorBackend.h"
#include "SocketCanBackend.h"

#include "CanBackendFactory.h"
#include "VirtualHandheld.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <cstdio>

static void initShippedScenarios()
{
    Q_INIT_RESOURCE(cranesim);
}

namespace {

void refuse(const QString& why)
{
    std::fprintf(stderr, "nordel: %s\n", qPrintable(why));
    // The event loop is not running yet; leave as soon as it does.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(2); });
}

CanBackend* createBackend(const QStringList& arguments, QObject* parent)
{
    initShippedScenarios();
    const CraneSimOptions o = CraneSimOptions::parse(arguments);
    for (const QString& e : o.errors)
        std::fprintf(stderr, "nordel: %s\n", qPrintable(e));
    switch (o.backend) {
    case CraneSimOptions::None:
        return nullptr;
    case CraneSimOptions::Replay: {
        auto* replay = new CandumpReplayBackend(parent);
        QString why;
        if (!replay->load(o.source, &why)) {
            delete replay;
            refuse(why);
            return nullptr;
        }
        if (replay->skippedLines())
            std::fprintf(stderr, "nordel: %s: %d malformed lines skipped (first: line %d)\n", qPrintable(o.source),
                         replay->skippedLines(), replay->firstBadLine());
        if (o.quitAtEnd) {
            VirtualHandheld::takeScreenshotAtEndOfRun();
            QObject::connect(replay, &CandumpReplayBackend::finished, qApp, [] { VirtualHandheld::endRun(); });
        }
        QTimer::singleShot(0, replay, &CandumpReplayBackend::start);
        return replay;
    }
    case CraneSimOptions::SocketCan: {
        auto* bus = new SocketCanBackend(parent);
        QString why;
        if (!bus->open(o.source, &why)) {
            delete bus;
            refuse(why);
            return nullptr;
        }
        return bus;
    }
    case CraneSimOptions::Demo:
    case CraneSimOptions::ScenarioFile:
        break;
    }
    const QString path = o.backend == CraneSimOptions::Demo ? QStringLiteral(":/cranesim/scenarios/demo.scn")
                                                            : CraneSimOptions::scenarioPath(o.source);
    if (path.isEmpty()) {
        refuse(QStringLiteral("no scenario \"%1\" (shipped: %2)")
                   .arg(o.source, CraneSimOptions::shippedScenarios().join(QStringLiteral(", "))));
        return nullptr;
    }
    Scenario scenario;
    QString why;
    if (!scenario.load(path, &why)) {
        refuse(why);
        return nullptr;
    }
    const bool loops = std::any_of(scenario.events().cbegin(), scenario.events().cend(),
                                   [](const Scenario::Event& e) { return e.kind == Scenario::Event::Loop; });
    if (o.quitAtEnd && !loops)
        VirtualHandheld::takeScreenshotAtEndOfRun();
    auto* sim = new SimulatorBackend(parent);
    sim->controller()->setCyclePeriod(o.cycleMs);
    sim->setScreenshotDir(o.screensDir);
    sim->setQuitAtEnd(o.quitAtEnd);
    sim->setScenario(scenario);
    // Start with the event loop, once the display exists.
    QTimer::singleShot(0, sim, &SimulatorBackend::start);
    return sim;
}

struct Registration {
    Registration() { CanBackendFactory::setFactory(&createBackend); }
};
const Registration registration;

} // namespace

// Referenced from the link line so this file, and with it the registration,
// is linked into the program even though nothing calls it.
extern "C" {
int nordel_cranesim_registration = 1;
}
