#include "model/RclIpCameraSubject.h"
#include "support/TestSandbox.h"
#include "views/GstVideoStreamObserver.h"
#include "views/GstVideoStreamSubject.h"
#include "views/vemorRcWifiSubject.h"

#include <QFile>
#include <QStringList>
#include <QtTest>

#include <memory>

namespace {

class RecordingStreamObserver : public GstVideoStreamObserver {
public:
    using GstVideoStreamObserver::GstVideoStreamObserver;
    ~RecordingStreamObserver() override = default;
    void streamingAvailableChanged(bool b) override { calls << QStringLiteral("available %1").arg(b); }
    void streamingStatusChanged(GstVideoStreamSubject::streamStatus_t s) override
    {
        calls << QStringLiteral("status %1").arg(s);
    }
    void streamSignalQualityChanged(int q) override { calls << QStringLiteral("quality %1").arg(q); }
    QStringList calls;
};

int lineCount(const QString& path)
{
    return TestSandbox::readFile(path).count('\n');
}

} // namespace

class GstVideoStreamSubjectTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void parametersAreSplitAtSingleBlanks();
    void deliveredConfigurationIsTakenOver();
    void streamingNeedsWifiCameraAndConfiguration_data();
    void streamingNeedsWifiCameraAndConfiguration();

    void streamStartsOnlyOnceLinkIsUp();
    void hidingWhileWaitingStartsNothingLater();
    void stopSendsTerminationRequest();
    void startWithLinkUpStartsAtOnce();
    void quickRestartWaitsForOldPlayer();
    void failingLinkKeepsStreamWaiting();

    void observerAttachDeliversCurrentState();

private:
    void writeCamConfig(const QByteArray& line);
    void writeWifi(const QByteArray& startScript);
    void buildSubjects();
    void releaseScript();
    void bringLinkUp();

    std::unique_ptr<TestSandbox> sandbox;
    std::unique_ptr<vemorRcWifiSubject> wifi;
    std::unique_ptr<RclIpCameraSubject> camera;
    std::unique_ptr<GstVideoStreamSubject> stream;
    QString argsFile;
    QString termFile;
    QString releaseFile;
};

void GstVideoStreamSubjectTest::init()
{
    sandbox = std::make_unique<TestSandbox>();
    QVERIFY(sandbox->isValid());
    argsFile = sandbox->path() + QStringLiteral("/player.args");
    termFile = sandbox->path() + QStringLiteral("/player.term");
    releaseFile = sandbox->path() + QStringLiteral("/release");
    // Records each run's arguments as one line of [arg] items, then plays
    // until asked to terminate.
    sandbox->writeStub(QStringLiteral("gst-launch-0.10"),
                       "line=''\nfor a in \"$@\"; do line=\"$line[$a]\"; done\n"
                       "echo \"$line\" >> '" + argsFile.toUtf8() + "'\n"
                       "trap \"echo term >> '" + termFile.toUtf8() + "'; exit 0\" TERM\n"
                       "while :; do sleep 0.05; done\n");
    sandbox->writeStub(QStringLiteral("iwconfig"), "echo 'wlan0  ESSID:\"cam\"'\necho '  Bit Rate=27 Mb/s'\n");
    sandbox->writeStub(QStringLiteral("ifconfig"), "echo '  inet addr:192.168.1.20  Mask:255.255.255.0'\n");
    camera = std::make_unique<RclIpCameraSubject>();
    camera->enabled = true;
}

void GstVideoStreamSubjectTest::cleanup()
{
    stream.reset();
    wifi.reset();
    camera.reset();
    sandbox.reset();
}

void GstVideoStreamSubjectTest::writeCamConfig(const QByteArray& line)
{
    sandbox->writeFile(sandbox->devicePath(QStringLiteral("/home/ip_cam.conf")), line + "\nsecond line ignored\n");
}

void GstVideoStreamSubjectTest::writeWifi(const QByteArray& startScript)
{
    sandbox->writeFile(sandbox->devicePath(QStringLiteral("/home/wpa_supplicant.conf")), "network={\n}\n");
    sandbox->writeFile(sandbox->devicePath(QStringLiteral("/home/start_wifi.sh")), startScript);
}

void GstVideoStreamSubjectTest::buildSubjects()
{
    wifi = std::make_unique<vemorRcWifiSubject>();
    stream = std::make_unique<GstVideoStreamSubject>(wifi.get(), camera.get());
}

void GstVideoStreamSubjectTest::releaseScript()
{
    sandbox->writeFile(releaseFile, "");
}

QByteArray waitingScript(const QString& release)
{
    return "while [ ! -e '" + release.toUtf8() + "' ]; do sleep 0.05; done\nexit 0\n";
}

void GstVideoStreamSubjectTest::bringLinkUp()
{
    wifi->connectWifi();
    releaseScript();
    QTRY_COMPARE_WITH_TIMEOUT(wifi->getState(), WifiSubject::WIFI_CONNECTED, 10000);
    QCoreApplication::processEvents();
}

void GstVideoStreamSubjectTest::parametersAreSplitAtSingleBlanks()
{
    writeWifi("exit 0\n");
    writeCamConfig("rtspsrc  location=rtsp://192.168.1.30/cam ! fakesink");
    buildSubjects();
    QVERIFY(stream->isStreamingAvailable());
    QCOMPARE(stream->getparams(), (QStringList {QStringLiteral("rtspsrc"), QString(),
                                                QStringLiteral("location=rtsp://192.168.1.30/cam"), QStringLiteral("!"),
                                                QStringLiteral("fakesink")}));

    // The player gets exactly these arguments, the empty one included.
    bringLinkUp();
    stream->startStream();
    QTRY_COMPARE_WITH_TIMEOUT(TestSandbox::readFile(argsFile),
                              QByteArray("[rtspsrc][][location=rtsp://192.168.1.30/cam][!][fakesink]\n"), 10000);
}

void GstVideoStreamSubjectTest::deliveredConfigurationIsTakenOver()
{
    const QString delivered = sandbox->devicePath(QStringLiteral("/home/GUI/conf/ip_cam.conf"));
    const QString active = sandbox->devicePath(QStringLiteral("/home/ip_cam.conf"));
    const QString archived = sandbox->devicePath(QStringLiteral("/home/GUI/conf/ip_cam_current.conf"));
    writeWifi("exit 0\n");
    writeCamConfig("old pipeline");
    sandbox->writeFile(archived, "older pipeline\n");
    sandbox->writeFile(delivered, "new pipeline\n");
    buildSubjects();

    QCOMPARE(TestSandbox::readFile(active), QByteArray("new pipeline\n"));
    QCOMPARE(TestSandbox::readFile(archived), QByteArray("new pipeline\n"));
    QVERIFY(!QFile::exists(delivered));
    QCOMPARE(stream->getparams(), (QStringList {QStringLiteral("new"), QStringLiteral("pipeline")}));
}

void GstVideoStreamSubjectTest::streamingNeedsWifiCameraAndConfiguration_data()
{
    QTest::addColumn<bool>("withWifi");
    QTest::addColumn<bool>("cameraEnabled");
    QTest::addColumn<bool>("withConfig");
    QTest::addColumn<bool>("available");
    QTest::newRow("all present") << true << true << true << true;
    QTest::newRow("no Wi-Fi configuration") << false << true << true << false;
    QTest::newRow("camera not enabled") << true << false << true << false;
    QTest::newRow("no camera configuration") << true << true << false << false;
}

void GstVideoStreamSubjectTest::streamingNeedsWifiCameraAndConfiguration()
{
    QFETCH(bool, withWifi);
    QFETCH(bool, cameraEnabled);
    QFETCH(bool, withConfig);
    QFETCH(bool, available);
    if (withWifi)
        writeWifi("exit 0\n");
    if (withConfig)
        writeCamConfig("videotestsrc ! fakesink");
    camera->enabled = cameraEnabled;
    buildSubjects();
    QCOMPARE(stream->isStreamingAvailable(), available);

    stream->startStream();
    QCOMPARE(stream->getStreamStatus(), available ? GstVideoStreamSubject::STREAM_WAITING
                                                  : GstVideoStreamSubject::STREAM_STOPPED);
    if (!available) {
        QCOMPARE(wifi->getState(), WifiSubject::WIFI_OFF);
        // Enabling the camera later does not make a missing setup available.
        camera->enabled = true;
        camera->notify();
        QCoreApplication::processEvents();
        QVERIFY(!stream->isStreamingAvailable());
    }
}

void GstVideoStreamSubjectTest::streamStartsOnlyOnceLinkIsUp()
{
    writeWifi(waitingScript(releaseFile));
    writeCamConfig("videotestsrc ! fakesink");
    buildSubjects();

    stream->startStream();
    QCOMPARE(stream->getStreamStatus(), GstVideoStreamSubject::STREAM_WAITING);
    QCOMPARE(wifi->getState(), WifiSubject::WIFI_STARTING);
    stream->startStream(); // already waiting: no second request
    QTest::qWait(300);
    QVERIFY(!QFile::exists(argsFile));
    QCOMPARE(stream->getStreamStatus(), GstVideoStreamSubject::STREAM_WAITING);

    releaseScript();
    QTRY_COMPARE_WITH_TIMEOUT(stream->getStreamStatus(), GstVideoStreamSubject::STREAM_RUNNING, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(lineCount(argsFile), 1, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(stream->getStreamSignalQuality(), 50, 10000);

    stream->startStream(); // already running: no second player
    QTest::qWait(300);
    QCOMPARE(lineCount(argsFile), 1);
}

void GstVideoStreamSubjectTest::hidingWhileWaitingStartsNothingLater()
{
    writeWifi(waitingScript(releaseFile));
    writeCamConfig("videotestsrc ! fakesink");
    buildSubjects();

    stream->startStream();
    QCOMPARE(stream->getStreamStatus(), GstVideoStreamSubject::STREAM_WAITING);
    stream->stopStream();
    QCOMPARE(stream->getStreamStatus(), GstVideoStreamSubject::STREAM_STOPPED);

    releaseScript();
    QTRY_COMPARE_WITH_TIMEOUT(wifi->getState(), WifiSubject::WIFI_CONNECTED, 10000);
    QTest::qWait(500);
    QVERIFY(!QFile::exists(argsFile));
    QCOMPARE(stream->getStreamStatus(), GstVideoStreamSubject::STREAM_STOPPED);
}

void GstVideoStreamSubjectTest::stopSendsTerminationRequest()
{
    writeWifi(waitingScript(releaseFile));
    writeCamConfig("videotestsrc ! fakesink");
    buildSubjects();
    bringLinkUp();

    stream->startStream();
    QTRY_COMPARE_WITH_TIMEOUT(lineCount(argsFile), 1, 10000);
    stream->stopStream();
    QCOMPARE(stream->getStreamStatus(), GstVideoStreamSubject::STREAM_STOPPED);
    QTRY_COMPARE_WITH_TIMEOUT(TestSandbox::readFile(termFile), QByteArray("term\n"), 10000);
    // The link stays up for the next start.
    QCOMPARE(wifi->getState(), WifiSubject::WIFI_CONNECTED);
}

void GstVideoStreamSubjectTest::startWithLinkUpStartsAtOnce()
{
    writeWifi(waitingScript(releaseFile));
    writeCamConfig("videotestsrc ! fakesink");
    buildSubjects();
    bringLinkUp();

    stream->startStream();
    QCOMPARE(stream->getStreamStatus(), GstVideoStreamSubject::STREAM_RUNNING);
    QTRY_COMPARE_WITH_TIMEOUT(lineCount(argsFile), 1, 10000);
    stream->stopStream();
    QTRY_COMPARE_WITH_TIMEOUT(lineCount(termFile), 1, 10000);

    // Shown again later: a new run of the player.
    QTest::qWait(200);
    stream->startStream();
    QCOMPARE(stream->getStreamStatus(), GstVideoStreamSubject::STREAM_RUNNING);
    QTRY_COMPARE_WITH_TIMEOUT(lineCount(argsFile), 2, 10000);
}

void GstVideoStreamSubjectTest::quickRestartWaitsForOldPlayer()
{
    writeWifi(waitingScript(releaseFile));
    writeCamConfig("videotestsrc ! fakesink");
    buildSubjects();
    bringLinkUp();

    stream->startStream();
    QTRY_COMPARE_WITH_TIMEOUT(lineCount(argsFile), 1, 10000);
    // Hidden and shown again before the old player has ended.
    stream->stopStream();
    stream->startStream();
    QCOMPARE(stream->getStreamStatus(), GstVideoStreamSubject::STREAM_RUNNING);
    QTRY_COMPARE_WITH_TIMEOUT(lineCount(termFile), 1, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(lineCount(argsFile), 2, 10000);

    // Hidden and shown and hidden again: the old player ends, none follows.
    stream->stopStream();
    stream->startStream();
    stream->stopStream();
    QTRY_COMPARE_WITH_TIMEOUT(lineCount(termFile), 2, 10000);
    QTest::qWait(500);
    QCOMPARE(lineCount(argsFile), 2);
}

void GstVideoStreamSubjectTest::failingLinkKeepsStreamWaiting()
{
    writeWifi("exit 1\n");
    writeCamConfig("videotestsrc ! fakesink");
    buildSubjects();

    stream->startStream();
    QCOMPARE(stream->getStreamStatus(), GstVideoStreamSubject::STREAM_WAITING);
    QTRY_COMPARE_WITH_TIMEOUT(wifi->getState(), WifiSubject::WIFI_OFF, 10000);
    QTest::qWait(300);
    QVERIFY(!QFile::exists(argsFile));

    // Hiding and showing the view again retries the link.
    writeWifi("exit 0\n");
    stream->stopStream();
    stream->startStream();
    QTRY_COMPARE_WITH_TIMEOUT(lineCount(argsFile), 1, 10000);
}

void GstVideoStreamSubjectTest::observerAttachDeliversCurrentState()
{
    writeWifi(waitingScript(releaseFile));
    writeCamConfig("videotestsrc ! fakesink");
    buildSubjects();
    RecordingStreamObserver observer(stream.get());
    QCOMPARE(stream->getNumberOfAttachedObservers(), 0);

    observer.attach();
    QCOMPARE(observer.calls, (QStringList {QStringLiteral("available 1"), QStringLiteral("status 2")}));
    observer.calls.clear();

    observer.startStreaming();
    QVERIFY(observer.calls.isEmpty());
    releaseScript();
    QTRY_VERIFY_WITH_TIMEOUT(observer.calls.contains(QStringLiteral("quality 50")), 10000);
    QCOMPARE(observer.calls.first(), QStringLiteral("status 0"));
    QVERIFY(observer.calls.contains(QStringLiteral("status 1")));

    observer.stopStreaming();
    observer.calls.clear();
    QCoreApplication::processEvents();
    QCOMPARE(observer.calls, QStringList {QStringLiteral("status 2")});

    // A new attach forgets the quality so the next update shows it again.
    observer.attach();
    observer.calls.clear();
    stream->notify();
    QCoreApplication::processEvents();
    QCOMPARE(observer.calls, QStringList {QStringLiteral("quality 50")});
}

QTEST_GUILESS_MAIN(GstVideoStreamSubjectTest)
#include "gstvideostreamsubjecttest.moc"
