#include "app/ApplicationStartup.h"
#include "model/LanguageSubject.h"
#include "model/LanguageSupport.h"
#include "support/TestSandbox.h"
#include "ui/StyleSheets.h"
#include "views/CameraView.h"
#include "views/GstVideoStreamSubject.h"

#include <QProgressBar>
#include <QtTest>

#include <memory>

namespace {

// Counts start and stop requests and reports a settable link quality,
// without any Wi-Fi link or player process.
class FakeStream : public GstVideoStreamSubject {
public:
    FakeStream()
        : GstVideoStreamSubject(nullptr, nullptr)
    {
    }
    void startStream() override { calls << QStringLiteral("start"); }
    void stopStream() override { calls << QStringLiteral("stop"); }
    int getStreamSignalQuality() override { return quality; }
    QStringList calls;
    int quality = 0;
};

} // namespace

class CameraViewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestSandbox> sandbox;
    std::unique_ptr<FakeStream> stream;
    std::unique_ptr<CameraView> view;

    QProgressBar* bar() { return view->findChild<QProgressBar*>(QStringLiteral("progressBarSignal")); }

private slots:
    void initTestCase()
    {
        ApplicationStartup::loadResourcesAndFont();
        sandbox = std::make_unique<TestSandbox>();
        QByteArray table = "Translations:1.0:test\nKey;English\n";
        for (int id = 0; id < 69; ++id)
            table += QByteArray::number(id) + ";text " + QByteArray::number(id) + "\n";
        sandbox->writeFile(sandbox->devicePath(QStringLiteral("/home/GUI/nordel/LumoraTranslations.csv")), table);
        LanguageSubject::languageSupport = new LanguageSupport(0);
    }

    void init()
    {
        stream = std::make_unique<FakeStream>();
        view = std::make_unique<CameraView>(stream.get());
    }

    void cleanup()
    {
        view.reset();
        stream.reset();
    }

    void startsWithWaitingTextAndEmptyGreenBar()
    {
        QCOMPARE(view->getTitle(), QStringLiteral("text 67"));
        QCOMPARE(bar()->format(), QStringLiteral("text 66"));
        QCOMPARE(bar()->value(), 0);
        QCOMPARE(bar()->styleSheet(), QStringLiteral(PROGRESSBAR_GREEN));
        QVERIFY(stream->calls.isEmpty());
    }

    void signalBarRedUpTo20_data()
    {
        QTest::addColumn<int>("quality");
        QTest::addColumn<QString>("style");
        QTest::newRow("0") << 0 << QStringLiteral(PROGRESSBAR_RED);
        QTest::newRow("20") << 20 << QStringLiteral(PROGRESSBAR_RED);
        QTest::newRow("21") << 21 << QStringLiteral(PROGRESSBAR_GREEN);
        QTest::newRow("100") << 100 << QStringLiteral(PROGRESSBAR_GREEN);
    }

    void signalBarRedUpTo20()
    {
        QFETCH(int, quality);
        QFETCH(QString, style);
        view->streamSignalQualityChanged(quality);
        QCOMPARE(bar()->styleSheet(), style);
        QCOMPARE(bar()->value(), quality);
        QCOMPARE(bar()->format(), QStringLiteral("text 68: %p%"));
    }

    void qualityOutsideTheBarIsShownAtItsEnd()
    {
        view->streamSignalQualityChanged(150);
        QCOMPARE(bar()->value(), 100);
        view->streamSignalQualityChanged(-3);
        QCOMPARE(bar()->value(), 0);
        QCOMPARE(bar()->styleSheet(), QStringLiteral(PROGRESSBAR_RED));
    }

    void streamRunsWhileShown()
    {
        view->showWidget();
        QCOMPARE(stream->calls, QStringList {QStringLiteral("start")});
        stream->quality = 45;
        stream->notify();
        QCoreApplication::processEvents();
        QCOMPARE(bar()->value(), 45);

        view->hideWidget();
        QCOMPARE(stream->calls, (QStringList {QStringLiteral("start"), QStringLiteral("stop")}));
        stream->quality = 10;
        stream->notify();
        QCoreApplication::processEvents();
        QCOMPARE(bar()->value(), 45);

        // Deleting a hidden view stops nothing twice.
        view.reset();
        QCOMPARE(stream->calls.size(), 2);
    }

    void deletingAShownViewStopsTheStream()
    {
        view->showWidget();
        view.reset();
        QCOMPARE(stream->calls, (QStringList {QStringLiteral("start"), QStringLiteral("stop")}));
        QCOMPARE(stream->getNumberOfAttachedObservers(), 0);
    }
};

QTEST_MAIN(CameraViewTest)

#include "cameraviewtest.moc"
