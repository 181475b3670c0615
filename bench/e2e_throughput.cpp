// End-to-end receive throughput: MPDO frames handed to the platform bridge
// of the fully composed display (offscreen, operating screen with the HDL
// view, LED handler attached), every frame changing a value the display
// shows. Compared with the floor of the design: a bare loop doing only the
// two queued notifications a frame needs (CAN subject, then data subject).
// Frames are handed over in batches, one batch per event-loop pass (default
// 100, about 11 ms of a saturated 1 Mbit/s bus); observers see the latest
// state once per pass, as they do on the unit. A second run paces the frames
// at 9,000 per second of wall time and measures the share of a core used.
// Painting follows the screen (at most one paint per 20 ms display frame).
// With BENCH_COUNT=n it only hands over n frames as the paced run does (9 per
// pass, one display frame every 20 passes, painted when the frame ends) and
// exits: bench/instructions.sh counts the instructions of that part.
// BENCH_UNPACED=1 removes the paint pacer, for comparison: every pass then
// paints, and a progress bar paints on every visible change.
// Usage: bench_e2e_throughput [frames] [frames-per-loop-pass] [paced-seconds] [paced-tick-ms]

#include "BenchDisplay.h"

#include "core/Observer.h"
#include "core/Subject.h"
#include "ui/PaintPacer.h"

#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QMap>

namespace {

// Forwards every notification of the first subject to the second, as the
// MPDO client and a data subject do, without decoding anything.
class Relay : public Observer {
public:
    Relay(Subject* from, Subject* to)
        : Observer(from)
        , next(to)
    {
        from->attach(this);
    }
    virtual ~Relay() { subject->detach(this); }
    void attach() override {}
    void detach() override {}
    void update() override { next->notify(); }

private:
    Subject* next;
};

// Counts the events widgets receive, by type, to see what one frame costs
// in widget work (style changes, polish, paints).
class EventCounter : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o->isWidgetType()) {
            ++counts[e->type()];
            if (e->type() == QEvent::StyleChange || e->type() == QEvent::Paint)
                ++byClass[QByteArray(o->metaObject()->className()) + " " + o->objectName().toLatin1() + " "
                          + QByteArray::number(e->type())];
        }
        return false;
    }
    QMap<int, long> counts;
    QMap<QByteArray, long> byClass;
};

struct Figure {
    double wallSeconds = 0;
    double cpuSeconds = 0;
    bool ok = false;
};

template <typename Feed>
__attribute__((noinline)) Figure measure(unsigned int frames, unsigned int batch, Feed feed)
{
    Figure f;
    QElapsedTimer timer;
    const double cpu0 = bench::cpuSeconds();
    timer.start();
    f.ok = true;
    for (unsigned int n = 0; n < frames;) {
        for (unsigned int i = 0; i < batch && n < frames; ++i, ++n)
            feed(n);
        f.ok = bench::drain() && f.ok;
    }
    f.wallSeconds = static_cast<double>(timer.nsecsElapsed()) * 1e-9;
    f.cpuSeconds = bench::cpuSeconds() - cpu0;
    return f;
}

struct Paced {
    double share = 0;
    long frames = 0;
    long passes = 0;
    double paintsPerSecond = 0;
};

// 9,000 frames per second of wall time for the given seconds, handed over
// every tick; the share of a core used meanwhile.
Paced pacedRun(const QVector<bench::Frame>& stream, double seconds, int tickMs, PaintPacer* pacer)
{
    constexpr double Rate = 9000;
    Paced p;
    QElapsedTimer clock;
    const double cpu0 = bench::cpuSeconds();
    const long paints0 = pacer->paints();
    clock.start();
    // The platform hands frames over as they come; a timer stands in for
    // its receive notifications, and the loop sleeps in between.
    QEventLoop loop;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        ++p.passes;
        const long due = static_cast<long>(static_cast<double>(clock.nsecsElapsed()) * 1e-9 * Rate);
        for (; p.frames < due; ++p.frames)
            bench::Display::deliver(stream[static_cast<int>(p.frames % stream.size())]);
        if (clock.nsecsElapsed() >= static_cast<qint64>(seconds * 1e9))
            loop.quit();
    });
    tick.start(tickMs);
    loop.exec();
    tick.stop();
    bench::drain();
    const double wall = static_cast<double>(clock.nsecsElapsed()) * 1e-9;
    p.share = (bench::cpuSeconds() - cpu0) / wall;
    p.paintsPerSecond = static_cast<double>(pacer->paints() - paints0) / wall;
    return p;
}

// The paced saturated bus without a clock: 9 frames per pass (1 ms of bus),
// the display frame ends every 20 passes. Not inlined, so an instruction
// counter can be told to count this function alone.
__attribute__((noinline)) long countedFrames(const QVector<bench::Frame>& stream, long frames, PaintPacer* pacer)
{
    constexpr int PerPass = 9;
    constexpr int PassesPerDisplayFrame = 20;
    long n = 0;
    for (int pass = 1; n < frames; ++pass) {
        for (int i = 0; i < PerPass && n < frames; ++i, ++n)
            bench::Display::deliver(stream[static_cast<int>(n % stream.size())]);
        bench::drain();
        if (pass % PassesPerDisplayFrame == 0 && pacer)
            pacer->flush();
    }
    if (pacer)
        pacer->flush();
    return n;
}

} // namespace

int main(int argc, char** argv)
{
    bench::useOffscreenUnlessTold();
    QApplication app(argc, argv);
    bench::loadResources();

    unsigned int frames = argc > 1 ? QByteArray(argv[1]).toUInt() : 0;
    if (frames == 0)
        frames = 200000;
    unsigned int batch = argc > 2 ? QByteArray(argv[2]).toUInt() : 0;
    if (batch == 0)
        batch = 100;
    double pacedSeconds = argc > 3 ? QByteArray(argv[3]).toDouble() : 0;
    if (pacedSeconds <= 0)
        pacedSeconds = 3;
    int tickMs = argc > 4 ? QByteArray(argv[4]).toInt() : 0;
    if (tickMs <= 0)
        tickMs = 1;

    bench::Display display;
    if (!display.startAndTakeOver())
        return 1;
    const QVector<bench::Frame> stream = display.changingFrames(400);
    if (stream.isEmpty()) {
        std::printf("no frames to send\n");
        return 1;
    }

    PaintPacer* pacer = PaintPacer::find(VemorToQt::intance);
    if (!pacer) {
        std::printf("the display paints without a pacer\n");
        return 1;
    }
    // Stands in for the pacer's count of paints when it is gone.
    PaintPacer unpaced(nullptr);
    if (qEnvironmentVariableIntValue("BENCH_UNPACED")) {
        delete pacer;
        pacer = &unpaced;
    }
    // Warm-up: caches, style sheet parses, first paints.
    measure(static_cast<unsigned int>(stream.size()), batch,
            [&](unsigned int n) { bench::Display::deliver(stream[static_cast<int>(n % stream.size())]); });
    const long countOnly = qEnvironmentVariableIntValue("BENCH_COUNT");
    if (countOnly > 0) {
        // Loads ramping as on the paced line, or jumping with BENCH_JUMPING=1.
        const QVector<bench::Frame> counted = qEnvironmentVariableIntValue("BENCH_JUMPING")
            ? stream
            : display.changingFrames(2000, bench::Display::Ramping);
        pacer->setExternalFrames(true);
        countedFrames(counted, 2 * PaintPacer::FrameMs * 9, pacer);
        const long paints = pacer->paints();
        const double cpu0 = bench::cpuSeconds();
        const long n = countedFrames(counted, countOnly, pacer);
        std::printf("counted: %ld frames, %ld paints, %.2f us/frame cpu\n", n, pacer->paints() - paints,
                    1e6 * (bench::cpuSeconds() - cpu0) / n);
        return 0;
    }
    if (qEnvironmentVariableIsSet("BENCH_EVENTS")) {
        EventCounter counter;
        app.installEventFilter(&counter);
        const unsigned int n = 2000;
        measure(n, batch, [&](unsigned int i) { bench::Display::deliver(stream[static_cast<int>(i % stream.size())]); });
        app.removeEventFilter(&counter);
        for (auto it = counter.counts.begin(); it != counter.counts.end(); ++it)
            std::printf("event %d: %.2f per frame\n", it.key(), double(it.value()) / n);
        for (auto it = counter.byClass.begin(); it != counter.byClass.end(); ++it)
            std::printf("  %s: %.2f per frame\n", it.key().constData(), double(it.value()) / n);
    }
    const Figure e2e = measure(frames, batch, [&](unsigned int n) {
        bench::Display::deliver(stream[static_cast<int>(n % stream.size())]);
    });

    // A saturated bus in real time: every pass hands over the frames that
    // arrived since the last one. Once with the loads ramping as a crane
    // moves them, once with them jumping so that bar colours flip on nearly
    // every pass (the worst case: each colour change re-polishes the bar).
    const QVector<bench::Frame> ramping = display.changingFrames(2000, bench::Display::Ramping);
    measure(static_cast<unsigned int>(ramping.size()), batch,
            [&](unsigned int n) { bench::Display::deliver(ramping[static_cast<int>(n % ramping.size())]); });
    const Figure e2eRamping = measure(frames, batch, [&](unsigned int n) {
        bench::Display::deliver(ramping[static_cast<int>(n % ramping.size())]);
    });
    const Paced smooth = pacedRun(ramping, pacedSeconds, tickMs, pacer);
    const Paced worst = pacedRun(stream, pacedSeconds, tickMs, pacer);

    Subject canLike(nullptr);
    Subject dataLike(nullptr);
    Relay relay(&canLike, &dataLike);
    measure(10000, batch, [&](unsigned int) { canLike.notify(); });
    const Figure floor = measure(frames, batch, [&](unsigned int) { canLike.notify(); });

    if (!e2e.ok || !e2eRamping.ok || !floor.ok) {
        std::printf("the event queue did not empty\n");
        return 1;
    }
    const double e2eRate = frames / e2e.cpuSeconds;
    const double rampingRate = frames / e2eRamping.cpuSeconds;
    const double floorRate = frames / floor.cpuSeconds;
    std::printf("frames: %u (%d distinct, each changing a shown value), %u per event-loop pass\n", frames,
                stream.size(), batch);
    std::printf("wall: %.0f frames/s end to end, %.0f frames/s floor\n", frames / e2e.wallSeconds,
                frames / floor.wallSeconds);
    std::printf("cpu: %.2f us/frame end to end (loads jumping), %.2f us/frame (loads ramping), %.2f us/frame floor\n",
                1e6 * e2e.cpuSeconds / frames, 1e6 * e2eRamping.cpuSeconds / frames, 1e6 * floor.cpuSeconds / frames);
    for (const Paced* p : {&smooth, &worst})
        std::printf("paced at 9000 frames/s for %.0f s, handed over every %d ms, loads %s: %.1f %% of a core measured "
                    "(%ld frames, %.1f frames per pass, %.1f paints per second)\n",
                    pacedSeconds, tickMs, p == &smooth ? "ramping" : "jumping", 100.0 * p->share, p->frames,
                    p->passes ? double(p->frames) / p->passes : 0.0, p->paintsPerSecond);
    std::printf("e2e_throughput: %.0f frames/s end to end with loads ramping, %.0f with them jumping, %.0f frames/s "
                "floor\n",
                rampingRate, e2eRate, floorRate);
    std::printf("paced: %.1f %% of a core at 9000 frames/s, %.2f x the floor (loads ramping; %.1f %% and %.2f x "
                "with them jumping)\n",
                100.0 * smooth.share, rampingRate / floorRate, 100.0 * worst.share, e2eRate / floorRate);
    return 0;
}
