// Latency of one value through the composed display: from an MPDO frame
// handed to the platform bridge to the LED call, to the crane load bar's
// new value, and to the bar's paint with that value (the pixels), counted in
// event-loop passes and microseconds. The load swings between 20 % (green
// LED, green bar) and 95 % (red LED) on every sample. Painting follows the
// display's frames: every other sample comes right after a paint (the paint
// waits for the next frame, the worst case), the others after a quiet spell.
// Usage: bench_e2e_latency [samples]

#include "BenchDisplay.h"

#include "ui/PaintPacer.h"

#include <QEvent>
#include <QEventLoop>
#include <QProgressBar>
#include <QTimer>

#include <algorithm>

namespace {

struct Sample {
    int ledPasses = -1;
    int barPasses = -1;
    int pixelPasses = -1;
    double ledUs = -1;
    double barUs = -1;
    double pixelUs = -1;
};

// Notes when the bar is first painted with a value other than the one it
// showed before the frame; the paint may come inside the pass that set it.
class PixelWatch : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && bar && o == bar && bar->value() != before && paintedUs < 0) {
            paintedUs = static_cast<double>(clock->nsecsElapsed()) * 1e-3;
            paintedPass = pass;
        }
        return false;
    }
    QProgressBar* bar = nullptr;
    const QElapsedTimer* clock = nullptr;
    int before = -1;
    int pass = 0;
    double paintedUs = -1;
    int paintedPass = -1;
};

void idle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool frameFor(bench::Display& d, double load, unsigned int index, unsigned char subIndex, bench::Frame& out)
{
    unsigned int v = 0;
    d.sim->model()->set(QStringLiteral("crane.load"), load);
    if (!d.sim->model()->entryValue(index, subIndex, v))
        return false;
    ControllerSimulator::encodeFrame(index, subIndex, v, out.data);
    return true;
}

double median(std::vector<double> v)
{
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    bench::useOffscreenUnlessTold();
    QApplication app(argc, argv);
    bench::loadResources();
    int samples = argc > 1 ? QByteArray(argv[1]).toInt() : 0;
    if (samples <= 0)
        samples = 400;

    bench::Display display;
    if (!display.startAndTakeOver())
        return 1;

    // The entry that carries the crane load: the one whose value moves with it.
    const MpdoSubject* mpdo = CenterViewFactory::mpdoSubject;
    unsigned int loadIndex = 0;
    unsigned char loadSub = 0;
    for (int k = 0; k < MpdoSubject::NumberOfEntries && !loadIndex; ++k) {
        const MpdoSubject::mpdoEntry_t* e = mpdo->slot(k);
        unsigned int a = 0, b = 0;
        if (!e || !e->index)
            continue;
        display.sim->model()->set(QStringLiteral("crane.load"), 20);
        const bool ka = display.sim->model()->entryValue(e->index, e->subIndex, a);
        display.sim->model()->set(QStringLiteral("crane.load"), 95);
        const bool kb = display.sim->model()->entryValue(e->index, e->subIndex, b);
        if (ka && kb && a != b) {
            loadIndex = e->index;
            loadSub = e->subIndex;
        }
    }
    bench::Frame low, high;
    auto* bar = VemorToQt::intance->findChild<QProgressBar*>(QStringLiteral("progressBar_CraneLoad"));
    if (!loadIndex || !bar || !frameFor(display, 20, loadIndex, loadSub, low)
        || !frameFor(display, 95, loadIndex, loadSub, high)) {
        std::printf("no crane load entry or bar\n");
        return 1;
    }
    constexpr int LoadLed = 2;

    std::vector<double> ledUs, barUs, ledPasses, barPasses;
    std::vector<double> pixelBusyUs, pixelQuietUs, pixelQuietPasses;
    QElapsedTimer t;
    PixelWatch watch;
    watch.bar = bar;
    watch.clock = &t;
    bar->installEventFilter(&watch);
    for (int i = 0; i < samples + 20; ++i) {
        const bool up = (i % 2) == 0;
        const bool quiet = (i % 4) >= 2;
        if (quiet)
            idle(3 * PaintPacer::FrameMs);
        const LedColor ledBefore = display.platform->led(LoadLed);
        const int barBefore = bar->value();
        Sample s;
        watch.before = barBefore;
        watch.paintedUs = -1;
        watch.pass = 1;
        t.start();
        bench::Display::deliver(up ? high : low);
        for (int pass = 1; pass <= 1000 && (s.ledPasses < 0 || s.barPasses < 0 || s.pixelPasses < 0); ++pass) {
            // Waits for the paced paint's timer once nothing else is due.
            watch.pass = pass;
            QCoreApplication::processEvents(s.barPasses < 0 ? QEventLoop::AllEvents : QEventLoop::WaitForMoreEvents);
            const double us = static_cast<double>(t.nsecsElapsed()) * 1e-3;
            if (s.ledPasses < 0 && display.platform->led(LoadLed) != ledBefore) {
                s.ledPasses = pass;
                s.ledUs = us;
            }
            if (s.barPasses < 0 && bar->value() != barBefore) {
                s.barPasses = pass;
                s.barUs = us;
            }
            if (s.pixelPasses < 0 && watch.paintedUs >= 0) {
                s.pixelPasses = watch.paintedPass;
                s.pixelUs = watch.paintedUs;
            }
        }
        bench::drain();
        if (s.ledPasses < 0 || s.barPasses < 0 || s.pixelPasses < 0) {
            std::printf("sample %d: LED, bar or its paint did not change\n", i);
            return 1;
        }
        // The first samples warm caches and style sheets up.
        if (i < 20)
            continue;
        ledUs.push_back(s.ledUs);
        barUs.push_back(s.barUs);
        ledPasses.push_back(s.ledPasses);
        barPasses.push_back(s.barPasses);
        if (quiet) {
            pixelQuietUs.push_back(s.pixelUs);
            pixelQuietPasses.push_back(s.pixelPasses);
        } else {
            pixelBusyUs.push_back(s.pixelUs);
        }
    }
    const double busyMax = pixelBusyUs.empty() ? -1 : *std::max_element(pixelBusyUs.begin(), pixelBusyUs.end());
    std::printf("samples: %d, crane load entry 0x%04X/%u swinging 20 %% <-> 95 %%\n", samples, loadIndex, loadSub);
    std::printf("LED call: median %.0f us, %.0f event-loop passes\n", median(ledUs), median(ledPasses));
    std::printf("bar value: median %.0f us, %.0f event-loop passes\n", median(barUs), median(barPasses));
    std::printf("pixels right after a paint: median %.0f us, max %.0f us (one display frame is %d ms)\n",
                median(pixelBusyUs), busyMax, PaintPacer::FrameMs);
    std::printf("pixels after a quiet spell: median %.0f us, %.0f event-loop passes\n", median(pixelQuietUs),
                median(pixelQuietPasses));
    std::printf("e2e_latency: LED %.0f us (%.0f passes), widget %.0f us (%.0f passes), pixels %.0f us after a quiet "
                "spell (%.0f passes), at most %.1f ms right after a paint\n",
                median(ledUs), median(ledPasses), median(barUs), median(barPasses), median(pixelQuietUs),
                median(pixelQuietPasses), busyMax * 1e-3);
    return 0;
}
