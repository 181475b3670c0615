#pragma once

#include "views/WifiSubject.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTimer>

// The unit's Wi-Fi link on "wlan0". Brings the link up with the device's start
// script and watches it with the wireless tools (iwconfig, ifconfig), parsing
// SSID, bit rate and address from their output. Created once by the
// composition root; every process runs asynchronously on the GUI thread.
class vemorRcWifiSubject : public WifiSubject {
    Q_OBJECT
public:
    // Objects alive; the application creates exactly one.
    static int instanceCount() { return instances; }
    ~vemorRcWifiSubject() override { --instances; }

    explicit vemorRcWifiSubject(QObject* parent = nullptr);

    bool isWifiAvailable() override;
    void connectWifi() override;
    void disconnectWifi() override;
    QString getIpAddress() override;
    QString getSsid() override;
    int getSignalQualityPct() override;
    wifiState_t getState() override;

    // Signal quality in percent for a link bit rate in Mb/s.
    static int qualityFromBitRate(unsigned long long mbps);
    // Parsing of the wireless tools' answers, apart from the processes so any
    // text can be checked. Quality 0 without a bit rate; the SSID is only
    // written when the answer names one; an empty address without a match.
    static int signalQualityFromIwconfig(const QString& output);
    static bool ssidFromIwconfig(const QString& output, QString& ssid);
    static QString ipFromIfconfig(const QString& output);

public slots:
    void updateSignalStrength();
    void updateIp();
    // The start script ended; a failed or crashed script leaves the link off.
    void processFinished(int exitCode, QProcess::ExitStatus exitStatus = QProcess::NormalExit);
    void processFinishedGetSignalStrength(int exitCode);
    void processGetIpFinished(int exitCode);

protected:
    void initProcess();
    void checkForNewWpaConfigurationFile();
    void updateWifiAvailable();
    void runStartWifiProcess();
    void updateSignalStrengthPeriodically(bool on);
    void setWifiState(wifiState_t state);
    bool isProcessRunning();

private slots:
    void controlProcessError(QProcess::ProcessError error);

private:
    static QString readOutput(QProcess& process);
    void retrySignalQueryLater();

    bool wifiAvailable = false;
    wifiState_t state = WIFI_OFF;
    QString ssid;
    QString ipAddress;
    int signalQuality = 0;
    bool periodicSignalUpdate = false;

    QProcess* controlProcess = nullptr;
    QProcess* signalProcess = nullptr;
    QProcess* ipProcess = nullptr;
    // Member timers rather than one-shot calls: a manual query during the
    // periodic cycle must not start a second cycle.
    QTimer signalTimer;
    QTimer ipTimer;

    static QRegularExpression rxSsid;
    static QRegularExpression rxBitRate;
    static QRegularExpression rxIp;

private:
    static int instances;
};
