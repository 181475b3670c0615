// Memory over a soak: resident set size after start-up and after ten minutes
// of simulated traffic, fed faster than real time. The simulated controller
// sends its 20 entries every 50 ms (400 frames/s, 240,000 frames in ten
// minutes) with the loads moving; the event loop runs after every cycle.
// Besides the resident size it prints the bytes the heap has handed out:
// Qt's glyph and pixmap caches fill in steps as new texts are drawn, which
// moves the resident size without anything leaking.
// Usage: bench_soak_memory [simulated-minutes]

#include "BenchDisplay.h"

#include <malloc.h>

int main(int argc, char** argv)
{
    bench::useOffscreenUnlessTold();
    QApplication app(argc, argv);
    bench::loadResources();
    int minutes = argc > 1 ? QByteArray(argv[1]).toInt() : 0;
    if (minutes <= 0)
        minutes = 10;

    bench::Display display;
    if (!display.startAndTakeOver())
        return 1;
    const QVector<bench::Frame> stream = display.changingFrames(400);
    if (stream.isEmpty()) {
        std::printf("no frames to send\n");
        return 1;
    }

    constexpr int FramesPerCycle = 20;
    constexpr int CyclesPerMinute = 60 * 1000 / 50;
    // One simulated minute first, so caches and pictures are in place.
    long n = 0;
    auto runMinute = [&] {
        for (int c = 0; c < CyclesPerMinute; ++c) {
            for (int i = 0; i < FramesPerCycle; ++i, ++n)
                bench::Display::deliver(stream[static_cast<int>(n % stream.size())]);
            bench::drain();
        }
    };
    runMinute();
    const long startRss = bench::statusKib("VmRSS");
    const long startPeak = bench::statusKib("VmHWM");
    const size_t startHeap = mallinfo2().uordblks;
    long maxRss = startRss;
    std::printf("after start-up: %ld KiB resident, %ld KiB peak\n", startRss, startPeak);
    for (int m = 1; m <= minutes; ++m) {
        runMinute();
        const long rss = bench::statusKib("VmRSS");
        maxRss = std::max(maxRss, rss);
        std::printf("minute %d: %ld KiB resident, heap in use %zu KiB\n", m, rss, mallinfo2().uordblks / 1024);
    }
    const long endRss = bench::statusKib("VmRSS");
    const long endPeak = bench::statusKib("VmHWM");
    const size_t endHeap = mallinfo2().uordblks;
    std::printf("frames: %ld\n", n);
    std::printf("soak_memory: %ld KiB resident after start-up, %ld KiB after %d simulated minutes (%+ld KiB), "
                "peak %ld -> %ld KiB, heap in use %zu -> %zu KiB\n",
                startRss, endRss, minutes, endRss - startRss, startPeak, endPeak, startHeap / 1024, endHeap / 1024);
    return 0;
}
