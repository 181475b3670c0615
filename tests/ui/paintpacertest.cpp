#include "ui/PaintPacer.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QProgressBar>
#include <QVBoxLayout>
#include <QtTest>

namespace {
// Records the value a progress bar shows whenever it is painted.
class PaintProbe : public QObject {
public:
    explicit PaintProbe(QProgressBar* b)
        : bar(b)
    {
        bar->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            ++paints;
            painted = bar->value();
        }
        return false;
    }
    QProgressBar* bar;
    int paints = 0;
    int painted = -1;
};

struct Window {
    Window()
    {
        auto* layout = new QVBoxLayout(&top);
        bar = new QProgressBar;
        layout->addWidget(bar);
        top.resize(200, 60);
    }
    QWidget top;
    QProgressBar* bar;
};
} // namespace

// Painting held to the display's frame rate while widget state follows
// every change at once.
class PaintPacerTest : public QObject {
    Q_OBJECT
private slots:
    void paintsAtMostOncePerFrameWithTheLatestState()
    {
        Window w;
        auto* pacer = new PaintPacer(&w.top);
        w.top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.top));
        QTRY_VERIFY(!pacer->isPending());
        PaintProbe probe(w.bar);
        QElapsedTimer clock;
        clock.start();
        // A progress bar repaints at once on every visible change.
        for (int i = 0; i <= 100; ++i) {
            w.bar->setValue(i);
            QCOMPARE(w.bar->value(), i);
            QCoreApplication::processEvents();
        }
        const qint64 ms = clock.elapsed();
        QTRY_VERIFY(!pacer->isPending());
        QVERIFY2(probe.paints <= ms / PaintPacer::FrameMs + 2,
                 qPrintable(QStringLiteral("%1 paints in %2 ms").arg(probe.paints).arg(ms)));
        QVERIFY(pacer->heldBack() > 0 || ms > 100 * PaintPacer::FrameMs);
        QCOMPARE(probe.painted, 100);
    }

    void changeAfterQuietSpellPaintsInItsPass()
    {
        Window w;
        auto* pacer = new PaintPacer(&w.top);
        w.top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.top));
        QTRY_VERIFY(!pacer->isPending());
        QTest::qWait(2 * PaintPacer::FrameMs);
        PaintProbe probe(w.bar);
        w.bar->setValue(42);
        QCOMPARE(probe.paints, 0);
        // Painted once the pass that made the change has run.
        QCoreApplication::processEvents();
        QCOMPARE(probe.painted, 42);
        QVERIFY(!pacer->isPending());
    }

    void externalFramesPaintOnlyOnFlush()
    {
        Window w;
        auto* pacer = new PaintPacer(&w.top);
        w.top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.top));
        QTRY_VERIFY(!pacer->isPending());
        pacer->setExternalFrames(true);
        PaintProbe probe(w.bar);
        for (int i = 1; i <= 30; ++i) {
            w.bar->setValue(i);
            QCoreApplication::processEvents();
        }
        QTest::qWait(3 * PaintPacer::FrameMs);
        QCOMPARE(probe.paints, 0);
        QVERIFY(pacer->isPending());
        pacer->flush();
        QCOMPARE(probe.paints, 1);
        QCOMPARE(probe.painted, 30);
        QVERIFY(!pacer->isPending());
        // Back on its own clock nothing pending is left behind.
        w.bar->setValue(31);
        pacer->setExternalFrames(false);
        QTRY_COMPARE(probe.painted, 31);
    }

    void followsItsWidgetIntoAnotherWindow()
    {
        Window w;
        auto* pacer = new PaintPacer(w.bar);
        QCOMPARE(PaintPacer::find(w.bar), pacer);
        QWidget frame;
        auto* layout = new QVBoxLayout(&frame);
        layout->addWidget(w.bar);
        QCOMPARE(PaintPacer::find(w.bar), pacer);
        QCOMPARE(PaintPacer::find(&w.top), nullptr);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        pacer->setExternalFrames(true);
        PaintProbe probe(w.bar);
        w.bar->setValue(77);
        QCoreApplication::processEvents();
        QCOMPARE(probe.paints, 0);
        pacer->flush();
        QCOMPARE(probe.painted, 77);
    }
};

QTEST_MAIN(PaintPacerTest)
#include "paintpacertest.moc"
