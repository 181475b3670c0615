// Start-up: from process start to the first painted splash and to the first
// operating screen, with a simulated controller that answers at once. The
// program starts itself as a child (the display) and takes the times the
// child reports against the moment it was started.
// Usage: bench_startup [runs]

#include "BenchDisplay.h"

#include <QEvent>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace {

qint64 monotonicNs()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<qint64>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// Notes the first paint, and the first paint showing the operating screen.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(bench::Display* d)
        : display(d)
    {
    }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && o->isWidgetType()) {
            if (!splashNs)
                splashNs = monotonicNs();
            if (!operatingNs && display->uiState() == UiModeSubject::UI_CRANE) {
                operatingNs = monotonicNs();
                QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
            }
        }
        return false;
    }
    bench::Display* display;
    qint64 splashNs = 0;
    qint64 operatingNs = 0;
};

int child(int argc, char** argv)
{
    bench::useOffscreenUnlessTold();
    QApplication app(argc, argv);
    bench::loadResources();
    bench::Display display;
    PaintWatch watch(&display);
    app.installEventFilter(&watch);
    display.start();
    QTimer::singleShot(20000, &app, [] { QCoreApplication::exit(1); });
    const int rc = QApplication::exec();
    std::printf("%lld %lld\n", static_cast<long long>(watch.splashNs), static_cast<long long>(watch.operatingNs));
    return rc;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "--child")
        return child(argc, argv);
    QCoreApplication app(argc, argv);
    int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 0;
    if (runs <= 0)
        runs = 5;
    std::vector<double> splash, operating;
    for (int i = 0; i < runs; ++i) {
        QProcess p;
        p.setProcessChannelMode(QProcess::SeparateChannels);
        const qint64 t0 = monotonicNs();
        p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child")});
        if (!p.waitForFinished(30000) || p.exitCode() != 0) {
            std::printf("run %d: the display did not reach the operating screen\n", i);
            return 1;
        }
        const QList<QByteArray> f = p.readAllStandardOutput().trimmed().split(' ');
        if (f.size() != 2) {
            std::printf("run %d: no times reported\n", i);
            return 1;
        }
        splash.push_back(static_cast<double>(f[0].toLongLong() - t0) * 1e-6);
        operating.push_back(static_cast<double>(f[1].toLongLong() - t0) * 1e-6);
    }
    std::sort(splash.begin(), splash.end());
    std::sort(operating.begin(), operating.end());
    const double s = splash[splash.size() / 2];
    const double o = operating[operating.size() / 2];
    std::printf("runs: %d; splash %.0f..%.0f ms, operating screen %.0f..%.0f ms\n", runs, splash.front(),
                splash.back(), operating.front(), operating.back());
    std::printf("startup: first splash %.0f ms, first operating screen %.0f ms (medians)\n", s, o);
    return 0;
}
