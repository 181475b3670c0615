#include "GstVideoStreamSubject.h"

#include "core/DevicePaths.h"
#include "core/ExternalProgram.h"
#include "model/RclIpCameraSubject.h"
#include "views/DeliveredConfiguration.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {
const char* const deliveredCamConfig = "/home/GUI/conf/ip_cam.conf";
const char* const activeCamConfig = "/home/ip_cam.conf";
const char* const archivedCamConfig = "/home/GUI/conf/ip_cam_current.conf";
const char* const streamProgram = "gst-launch-0.10";
// A pipeline is a few hundred characters; a longer first line is not a
// configuration and would not fit the argument limits anyway.
const qint64 maxConfigLine = 64 * 1024;
}

GstVideoStreamSubject::GstVideoStreamSubject(WifiSubject* wifi, RclIpCameraSubject* ipCamera)
    : Subject(nullptr)
    , WifiObserver(wifi)
    , IpCameraEnabledObserver(ipCamera)
{
    checkForNewIPCamConfigurationFile();

    streamProcess = new QProcess(this);
    // The player's output is never read; keeping it would only grow memory.
    streamProcess->setStandardOutputFile(QProcess::nullDevice());
    streamProcess->setStandardErrorFile(QProcess::nullDevice());
    connect(streamProcess, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            [this](int, QProcess::ExitStatus) { streamProcessEnded(); });
    connect(streamProcess, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            streamProcessEnded();
    });

    if (wifi) {
        // Take the link as it is now; later changes arrive through the callbacks.
        wifiAvailable = wifi->isWifiAvailable();
        lastWifiState = wifi->getState();
        signalQuality = wifi->getSignalQualityPct();
    }
    ipCameraEnabled = isIpCameraFeatureEnabled();

    bool available = false;
    if (wifiAvailable && ipCameraEnabled)
        available = loadParamsFromFile();
    setStreamingAvailable(available);

    IpCameraEnabledObserver::attach();
}

void GstVideoStreamSubject::attach(Observer* o)
{
    Subject::attach(o);
    WifiObserver::attach();
}

void GstVideoStreamSubject::checkForNewIPCamConfigurationFile()
{
    DeliveredConfiguration::takeOver(QLatin1String(deliveredCamConfig), QLatin1String(activeCamConfig),
                                     QLatin1String(archivedCamConfig));
}

bool GstVideoStreamSubject::loadParamsFromFile()
{
    const QString path = DevicePaths::resolve(QLatin1String(activeCamConfig));
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QByteArray line = file.readLine(maxConfigLine + 1);
    if (line.size() > maxConfigLine)
        return false;
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    // Split at every single blank: two blanks in a row give an empty argument.
    params = QString::fromLocal8Bit(line).split(QLatin1Char(' '), Qt::KeepEmptyParts);
    return true;
}

bool GstVideoStreamSubject::isStreamingAvailable()
{
    return streamingAvailable && ipCameraEnabled;
}

GstVideoStreamSubject::streamStatus_t GstVideoStreamSubject::getStreamStatus()
{
    return streamStatus;
}

int GstVideoStreamSubject::getStreamSignalQuality()
{
    return signalQuality;
}

QStringList GstVideoStreamSubject::getparams()
{
    return params;
}

void GstVideoStreamSubject::startStream()
{
    if (!isStreamingAvailable())
        return;
    if (streamStatus == STREAM_RUNNING || streamStatus == STREAM_WAITING)
        return;
    if (lastWifiState == WifiSubject::WIFI_CONNECTED) {
        startStreamProcess();
    } else {
        connectWifi();
        setStreamStatus(STREAM_WAITING);
    }
}

void GstVideoStreamSubject::stopStream()
{
    stopStreamProcess();
    setStreamStatus(STREAM_STOPPED);
}

void GstVideoStreamSubject::startStreamProcess()
{
    if (streamProcess->state() != QProcess::NotRunning) {
        if (terminationRequested) {
            restartPending = true;
            setStreamStatus(STREAM_RUNNING);
        }
        return;
    }
    launchStreamProcess();
    setStreamStatus(STREAM_RUNNING);
}

void GstVideoStreamSubject::launchStreamProcess()
{
    terminationRequested = false;
    restartPending = false;
    ExternalProgram::start(*streamProcess, QLatin1String(streamProgram), params);
}

void GstVideoStreamSubject::stopStreamProcess()
{
    restartPending = false;
    if (streamProcess->state() == QProcess::NotRunning)
        return;
    // Ask politely only: the player tears its video output down itself.
    terminationRequested = true;
    streamProcess->terminate();
}

void GstVideoStreamSubject::streamProcessEnded()
{
    terminationRequested = false;
    if (!restartPending)
        return;
    restartPending = false;
    if (streamStatus == STREAM_RUNNING)
        launchStreamProcess();
}

void GstVideoStreamSubject::setStreamStatus(streamStatus_t status)
{
    streamStatus = status;
    notify();
}

void GstVideoStreamSubject::setStreamingAvailable(bool available)
{
    streamingAvailable = available;
    notify();
}

void GstVideoStreamSubject::wifiAvailableChanged(bool available)
{
    wifiAvailable = available;
}

void GstVideoStreamSubject::wifiStateChanged(WifiSubject::wifiState_t state)
{
    lastWifiState = state;
    if (streamStatus == STREAM_WAITING && state == WifiSubject::WIFI_CONNECTED)
        startStreamProcess();
}

void GstVideoStreamSubject::wifiSignalQualityChanged(int pct)
{
    signalQuality = pct;
    notify();
}

void GstVideoStreamSubject::ipCameraEnabledChanged(bool enabled)
{
    ipCameraEnabled = enabled;
    notify();
}
