// A realistic controller: the composed display on the crane simulator's
// demo (loads ramping through derating into the HDL limit and back, a
// blocked movement, the oil temperature), the controller sending every
// subscribed entry once per 50 ms cycle (up to the table's 20 entries; 12 with
// the HDL view shown, 240 frames/s), in real
// time, so the display's own timers, the blink clock and the paced painting
// run as on the unit. The frames are computed before the run: the figure is
// the display's share of a core alone, without the simulated crane.
// BENCH_UNPACED=1 removes the paint pacer, for comparison.
// Usage: bench_e2e_controller [seconds]   (default 60)

#include "BenchDisplay.h"

#include "Scenario.h"
#include "ScenarioPlayer.h"

#include "ui/PaintPacer.h"

#include <QEventLoop>
#include <QTimer>

// Outside the namespace: the macro declares the resource initialiser where it
// is used.
static void initSimulatorResources()
{
    Q_INIT_RESOURCE(cranesim);
}

namespace {
// The measured run, not inlined, so an instruction counter can be told to
// count this function alone (bench/instructions.sh).
__attribute__((noinline)) void runTraffic(QEventLoop& loop, QTimer& cycle, int ms)
{
    cycle.start(ms);
    loop.exec();
}
} // namespace

int main(int argc, char** argv)
{
    bench::useOffscreenUnlessTold();
    QApplication app(argc, argv);
    bench::loadResources();
    initSimulatorResources();
    double seconds = argc > 1 ? QByteArray(argv[1]).toDouble() : 0;
    if (seconds <= 0)
        seconds = 60;

    bench::Display display;
    if (!display.startAndTakeOver())
        return 1;
    PaintPacer* pacer = PaintPacer::find(VemorToQt::intance);
    PaintPacer unpaced(nullptr);
    if (pacer && qEnvironmentVariableIntValue("BENCH_UNPACED")) {
        delete pacer;
        pacer = &unpaced;
    }
    Scenario demo;
    QString error;
    if (!pacer || !demo.load(QStringLiteral(":/cranesim/scenarios/demo.scn"), &error)) {
        std::printf("no pacer or no demo scenario %s\n", qPrintable(error));
        return 1;
    }

    // Every cycle carries every subscribed entry, changed or not, as the
    // controller sends them.
    constexpr int CycleMs = 50;
    const int cycles = static_cast<int>(seconds * 1000 / CycleMs);
    const MpdoSubject* mpdo = CenterViewFactory::mpdoSubject;
    ScenarioPlayer player(demo, display.sim);
    QVector<QVector<bench::Frame>> traffic(cycles);
    for (int c = 0; c < cycles; ++c) {
        player.advanceTo(qint64(c) * CycleMs);
        display.sim->step(CycleMs);
        for (int k = 0; k < MpdoSubject::NumberOfEntries; ++k) {
            const MpdoSubject::mpdoEntry_t* e = mpdo->slot(k);
            unsigned int v = 0;
            if (!e || !e->index || !display.sim->model()->entryValue(e->index, e->subIndex, v))
                continue;
            bench::Frame f;
            ControllerSimulator::encodeFrame(e->index, e->subIndex, v, f.data);
            traffic[c].append(f);
        }
    }

    QEventLoop loop;
    QTimer cycle;
    cycle.setTimerType(Qt::PreciseTimer);
    int next = 0;
    long frames = 0;
    QObject::connect(&cycle, &QTimer::timeout, [&] {
        if (next >= cycles) {
            loop.quit();
            return;
        }
        for (const bench::Frame& f : traffic[next])
            bench::Display::deliver(f);
        frames += traffic[next].size();
        ++next;
    });
    const long paints0 = pacer->paints();
    QElapsedTimer wall;
    const double cpu0 = bench::cpuSeconds();
    wall.start();
    runTraffic(loop, cycle, CycleMs);
    const double cpu = bench::cpuSeconds() - cpu0;
    const double elapsed = static_cast<double>(wall.nsecsElapsed()) * 1e-9;
    const long paints = pacer->paints() - paints0;

    std::printf("cycles: %d of %d ms, %ld frames (%.0f per cycle), %ld paints (%.1f per second)\n", cycles, CycleMs,
                frames, cycles ? double(frames) / cycles : 0.0, paints, paints / elapsed);
    std::printf("cpu: %.3f s in %.1f s, %.1f us per frame\n", cpu, elapsed, frames ? 1e6 * cpu / frames : 0.0);
    std::printf("e2e_controller: %.2f %% of a core over %.0f s of a controller sending its %.0f entries every 50 ms\n",
                100.0 * cpu / elapsed, elapsed, cycles ? double(frames) / cycles : 0.0);
    return 0;
}
