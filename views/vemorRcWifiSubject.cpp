#include "vemorRcWifiSubject.h"

#include "core/DevicePaths.h"
#include "core/ExternalProgram.h"
#include "views/DeliveredConfiguration.h"

#include <QFileInfo>

namespace {
const char* const deliveredWpaConfig = "/home/GUI/conf/wpa_supplicant.conf";
const char* const activeWpaConfig = "/home/wpa_supplicant.conf";
const char* const archivedWpaConfig = "/home/GUI/conf/wpa_supplicant_current.conf";
const char* const startScript = "/home/start_wifi.sh";
const QString interfaceName = QStringLiteral("wlan0");

const int signalIntervalMs = 3000;
const int ipDelayMs = 6000;
// The tools print a few hundred bytes; anything far beyond that is not theirs
// and is not worth matching against.
const qint64 maxParsedOutput = 64 * 1024;
}

QRegularExpression vemorRcWifiSubject::rxSsid(QStringLiteral("ESSID:\"(?<ssid>[^\"]+)\""));
QRegularExpression vemorRcWifiSubject::rxBitRate(QStringLiteral("Bit Rate=(?<bitrate>\\d+)"));
QRegularExpression vemorRcWifiSubject::rxIp(QStringLiteral("addr:(?<ip>\\d+.\\d+.\\d+.\\d+)"));

int vemorRcWifiSubject::instances = 0;

vemorRcWifiSubject::vemorRcWifiSubject(QObject* parent)
    : WifiSubject(parent)
{
    ++instances;
    initProcess();
    checkForNewWpaConfigurationFile();
    updateWifiAvailable();
    rxSsid.setPatternOptions(QRegularExpression::MultilineOption);
    rxBitRate.setPatternOptions(QRegularExpression::MultilineOption);
    rxIp.setPatternOptions(QRegularExpression::MultilineOption);
}

void vemorRcWifiSubject::initProcess()
{
    controlProcess = new QProcess(this);
    signalProcess = new QProcess(this);
    ipProcess = new QProcess(this);
    // The script's output is never read; keeping it would only grow memory.
    controlProcess->setStandardOutputFile(QProcess::nullDevice());
    controlProcess->setStandardErrorFile(QProcess::nullDevice());

    connect(controlProcess, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &vemorRcWifiSubject::processFinished);
    connect(controlProcess, &QProcess::errorOccurred, this, &vemorRcWifiSubject::controlProcessError);
    connect(signalProcess, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            [this](int exitCode, QProcess::ExitStatus) { processFinishedGetSignalStrength(exitCode); });
    connect(signalProcess, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            retrySignalQueryLater();
    });
    connect(ipProcess, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            [this](int exitCode, QProcess::ExitStatus) { processGetIpFinished(exitCode); });

    signalTimer.setSingleShot(true);
    signalTimer.setInterval(signalIntervalMs);
    connect(&signalTimer, &QTimer::timeout, this, &vemorRcWifiSubject::updateSignalStrength);
    ipTimer.setSingleShot(true);
    ipTimer.setInterval(ipDelayMs);
    connect(&ipTimer, &QTimer::timeout, this, &vemorRcWifiSubject::updateIp);
}

void vemorRcWifiSubject::checkForNewWpaConfigurationFile()
{
    DeliveredConfiguration::takeOver(QLatin1String(deliveredWpaConfig), QLatin1String(activeWpaConfig),
                                     QLatin1String(archivedWpaConfig));
}

void vemorRcWifiSubject::updateWifiAvailable()
{
    const QString path = DevicePaths::resolve(QLatin1String(activeWpaConfig));
    wifiAvailable = !path.isEmpty() && QFileInfo(path).isFile();
}

bool vemorRcWifiSubject::isWifiAvailable()
{
    return wifiAvailable;
}

void vemorRcWifiSubject::connectWifi()
{
    if (!wifiAvailable || state != WIFI_OFF)
        return;
    runStartWifiProcess();
    // Without a shell there is nothing to wait for; stay off so a later call retries.
    if (!isProcessRunning())
        return;
    setWifiState(WIFI_STARTING);
}

void vemorRcWifiSubject::disconnectWifi() {}

QString vemorRcWifiSubject::getIpAddress()
{
    return ipAddress;
}

QString vemorRcWifiSubject::getSsid()
{
    return ssid;
}

int vemorRcWifiSubject::getSignalQualityPct()
{
    return signalQuality;
}

WifiSubject::wifiState_t vemorRcWifiSubject::getState()
{
    return state;
}

void vemorRcWifiSubject::runStartWifiProcess()
{
    if (isProcessRunning())
        return;
    const QString script = DevicePaths::resolve(QLatin1String(startScript));
    if (script.isEmpty())
        return;
    ExternalProgram::start(*controlProcess, QStringLiteral("sh"), {script});
}

bool vemorRcWifiSubject::isProcessRunning()
{
    return controlProcess->state() != QProcess::NotRunning;
}

void vemorRcWifiSubject::processFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    if (state != WIFI_STARTING)
        return;
    if (exitStatus != QProcess::NormalExit || exitCode != 0) {
        // The script could not bring the link up: counting it as connected
        // would start the stream on a dead link and block every retry.
        setWifiState(WIFI_OFF);
        return;
    }
    setWifiState(WIFI_CONNECTED);
    updateSignalStrengthPeriodically(true);
    ipTimer.start();
}

void vemorRcWifiSubject::controlProcessError(QProcess::ProcessError error)
{
    // A script that never started reports no finished signal.
    if (error == QProcess::FailedToStart && state == WIFI_STARTING)
        setWifiState(WIFI_OFF);
}

void vemorRcWifiSubject::updateSignalStrengthPeriodically(bool on)
{
    if (on == periodicSignalUpdate)
        return;
    periodicSignalUpdate = on;
    if (on)
        updateSignalStrength();
    else
        signalTimer.stop();
}

void vemorRcWifiSubject::updateSignalStrength()
{
    if (signalProcess->state() != QProcess::NotRunning)
        return;
    if (!ExternalProgram::start(*signalProcess, QStringLiteral("iwconfig"), {interfaceName}))
        retrySignalQueryLater();
}

void vemorRcWifiSubject::retrySignalQueryLater()
{
    // A query that never ran has no answer to restart the cycle from.
    if (periodicSignalUpdate)
        signalTimer.start();
}

int vemorRcWifiSubject::qualityFromBitRate(unsigned long long mbps)
{
    if (mbps > 53)
        return 100;
    const int pct = static_cast<int>(mbps / 54.0 * 100.0);
    return pct > 100 ? 100 : pct;
}

QString vemorRcWifiSubject::readOutput(QProcess& process)
{
    return QString::fromLocal8Bit(process.readAllStandardOutput().left(maxParsedOutput));
}

int vemorRcWifiSubject::signalQualityFromIwconfig(const QString& output)
{
    const QRegularExpressionMatch rate = rxBitRate.match(output);
    if (!rate.hasMatch())
        return 0;
    bool ok = false;
    const unsigned long long mbps = rate.captured(QStringLiteral("bitrate")).toULongLong(&ok);
    // Only digits were captured, so a failed conversion means a number too big to hold.
    return ok ? qualityFromBitRate(mbps) : 100;
}

bool vemorRcWifiSubject::ssidFromIwconfig(const QString& output, QString& ssidOut)
{
    const QRegularExpressionMatch name = rxSsid.match(output);
    if (!name.hasMatch())
        return false;
    ssidOut = name.captured(QStringLiteral("ssid"));
    return true;
}

QString vemorRcWifiSubject::ipFromIfconfig(const QString& output)
{
    const QRegularExpressionMatch m = rxIp.match(output);
    return m.hasMatch() ? m.captured(QStringLiteral("ip")) : QString();
}

void vemorRcWifiSubject::processFinishedGetSignalStrength(int)
{
    const QString output = readOutput(*signalProcess);
    signalQuality = signalQualityFromIwconfig(output);
    ssidFromIwconfig(output, ssid);

    notify();
    if (periodicSignalUpdate)
        signalTimer.start();
}

void vemorRcWifiSubject::updateIp()
{
    if (ipProcess->state() != QProcess::NotRunning)
        return;
    ExternalProgram::start(*ipProcess, QStringLiteral("ifconfig"), {interfaceName});
}

void vemorRcWifiSubject::processGetIpFinished(int)
{
    ipAddress = ipFromIfconfig(readOutput(*ipProcess));
    notify();
}

void vemorRcWifiSubject::setWifiState(wifiState_t newState)
{
    state = newState;
    notify();
}
