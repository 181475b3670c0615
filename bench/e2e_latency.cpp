// Latency of one value through the composed display: from an MPDO frame
// handed to the platform bridge to the LED call and to the crane load bar's
// new value, counted in event-loop passes and microseconds. The load swings
// between 20 % (green LED, green bar) and 95 % (red LED) on every sample.
// Usage: bench_e2e_latency [samples]

#include "BenchDisplay.h"

#include <QProgressBar>

#include <algorithm>

namespace {

struct Sample {
    int ledPasses = -1;
    int barPasses = -1;
    double ledUs = -1;
    double barUs = -1;
};

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
    QElapsedTimer t;
    for (int i = 0; i < samples + 20; ++i) {
        const bool up = (i % 2) == 0;
        const LedColor ledBefore = display.platform->led(LoadLed);
        const int barBefore = bar->value();
        Sample s;
        t.start();
        bench::Display::deliver(up ? high : low);
        for (int pass = 1; pass <= 50 && (s.ledPasses < 0 || s.barPasses < 0); ++pass) {
            QCoreApplication::processEvents();
            const double us = static_cast<double>(t.nsecsElapsed()) * 1e-3;
            if (s.ledPasses < 0 && display.platform->led(LoadLed) != ledBefore) {
                s.ledPasses = pass;
                s.ledUs = us;
            }
            if (s.barPasses < 0 && bar->value() != barBefore) {
                s.barPasses = pass;
                s.barUs = us;
            }
        }
        bench::drain();
        if (s.ledPasses < 0 || s.barPasses < 0) {
            std::printf("sample %d: LED or bar did not change\n", i);
            return 1;
        }
        // The first samples warm caches and style sheets up.
        if (i < 20)
            continue;
        ledUs.push_back(s.ledUs);
        barUs.push_back(s.barUs);
        ledPasses.push_back(s.ledPasses);
        barPasses.push_back(s.barPasses);
    }
    std::printf("samples: %d, crane load entry 0x%04X/%u swinging 20 %% <-> 95 %%\n", samples, loadIndex, loadSub);
    std::printf("LED call: median %.0f us, %.0f event-loop passes\n", median(ledUs), median(ledPasses));
    std::printf("bar value: median %.0f us, %.0f event-loop passes\n", median(barUs), median(barPasses));
    std::printf("e2e_latency: LED %.0f us (%.0f passes), widget %.0f us (%.0f passes)\n", median(ledUs),
                median(ledPasses), median(barUs), median(barPasses));
    return 0;
}
