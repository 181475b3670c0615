// Receive path throughput: MPDO frames enter through the platform CAN
// subject, cross the event loop, are decoded by the MPDO client, fan out to
// newValue() of a subject with 20 entries, and that subject's own queued
// notification reaches its observer. Prints frames/s and ns/frame last.

#include "can/MpdoObserver.h"
#include "can/MpdoSubject.h"
#include "can/VemorRcCanSubject.h"
#include "core/Subject.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <ctime>

namespace {

constexpr int Entries = 20;
constexpr unsigned int BaseIndex = 0x4800;

// A controller-backed subject like the crane model's: stores each value and
// notifies its own observers once per wake-up.
class DataSubject : public Subject, public MpdoObserver {
public:
    explicit DataSubject(MpdoSubject* m)
        : Subject(nullptr)
        , MpdoObserver(m)
    {
        for (unsigned int i = 0; i < Entries; ++i)
            subscribe(BaseIndex + i, static_cast<unsigned char>(i));
    }
    void update() override
    {
        MpdoObserver::update();
        notify();
    }
    void newValue(unsigned int index, unsigned char, unsigned int value) override
    {
        values[(index - BaseIndex) % Entries] = value;
        ++newValues;
    }
    unsigned int values[Entries] = {};
    unsigned long long newValues = 0;
};

class Sink : public Observer {
public:
    explicit Sink(Subject* s)
        : Observer(s)
    {
        s->attach(this);
    }
    virtual ~Sink() { subject->detach(this); }
    void attach() override {}
    void detach() override {}
    void update() override { ++updates; }
    unsigned long long updates = 0;
};

void frame(unsigned char* d, unsigned int n)
{
    const unsigned int entry = n % Entries;
    const unsigned int index = BaseIndex + entry;
    d[0] = 0x01;
    d[1] = index & 0xFF;
    d[2] = (index >> 8) & 0xFF;
    d[3] = static_cast<unsigned char>(entry);
    d[4] = n & 0xFF;
    d[5] = (n >> 8) & 0xFF;
    d[6] = (n >> 16) & 0xFF;
    d[7] = (n >> 24) & 0xFF;
}

// Feeds count frames in batches and runs the event loop until the sink saw them all.
bool run(QCoreApplication& app, VemorRcCanSubject& can, Sink& sink, unsigned int count)
{
    constexpr unsigned int Batch = 512;
    const unsigned long long target = sink.updates + count;
    unsigned char d[8];
    unsigned int sent = 0;
    while (sent < count) {
        const unsigned int n = (count - sent) < Batch ? (count - sent) : Batch;
        for (unsigned int i = 0; i < n; ++i) {
            frame(d, sent + i);
            can.setCanMessage(0x465, d, 8);
        }
        sent += n;
        const unsigned long long expected = target - (count - sent);
        int spins = 0;
        while (sink.updates < expected) {
            app.processEvents();
            if (++spins > 1000000)
                return false;
        }
    }
    return can.getDroppedFrames() == 0;
}

// The measured run, not inlined, so an instruction counter can be told to
// count this function alone (bench/instructions.sh).
__attribute__((noinline)) bool measuredRun(QCoreApplication& app, VemorRcCanSubject& can, Sink& sink,
                                           unsigned int count)
{
    return run(app, can, sink, count);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    VemorRcCanSubject can(nullptr);
    MpdoSubject mpdo(&can);
    DataSubject data(&mpdo);
    Sink sink(&data);

    unsigned int frames = 1000000;
    if (argc > 1)
        frames = static_cast<unsigned int>(QByteArray(argv[1]).toUInt());
    if (frames == 0)
        frames = 1000000;

    if (!run(app, can, sink, Entries * 10)) {
        std::printf("warm-up lost frames\n");
        return 1;
    }
    const unsigned long long before = data.newValues;

    QElapsedTimer timer;
    const std::clock_t cpuStart = std::clock();
    timer.start();
    const bool ok = measuredRun(app, can, sink, frames);
    const qint64 ns = timer.nsecsElapsed();
    const double cpuNs = 1e9 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;

    // Every entry has a value after the warm-up, so each frame yields 20 calls.
    if (!ok || data.newValues - before != static_cast<unsigned long long>(frames) * Entries) {
        std::printf("lost frames: %llu newValue calls for %u frames\n", data.newValues - before, frames);
        return 1;
    }
    const double perFrame = static_cast<double>(ns) / frames;
    std::printf("frames: %u, 20 entries, 1 queued notification per frame\n", frames);
    // On a shared machine wall time includes waiting for a core; CPU time does not.
    std::printf("cpu time: %.0f ns/frame (%.0f frames/s on an idle core)\n", cpuNs / frames, 1e9 * frames / cpuNs);
    std::printf("mpdo_receive: %.0f frames/s, %.0f ns/frame\n", 1e9 / perFrame, perFrame);
    return 0;
}
