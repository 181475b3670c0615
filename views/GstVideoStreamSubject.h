#pragma once

#include "core/Subject.h"
#include "model/IpCameraEnabledObserver.h"
#include "views/WifiObserver.h"

#include <QStringList>

class QProcess;
class RclIpCameraSubject;

// Owns the IP-camera stream: decides whether it may run (Wi-Fi configured,
// camera enabled by the controller, stream configuration present), brings the
// Wi-Fi link up before starting the external player and reports the link's
// signal quality. Fed by the Wi-Fi link and the IP-camera subject; the camera
// view starts and stops it. One stream process serves the whole run.
class GstVideoStreamSubject : public Subject, public WifiObserver, public IpCameraEnabledObserver {
    Q_OBJECT
public:
    enum streamStatus_t {
        STREAM_WAITING = 0,
        STREAM_RUNNING = 1,
        STREAM_STOPPED = 2
    };

    GstVideoStreamSubject(WifiSubject* wifi, RclIpCameraSubject* ipCamera);

    // Also re-attaches to the Wi-Fi link so its current state is taken over.
    void attach(Observer* o) override;

private:
    // The embedded observers attach by their qualified names only; declared
    // here so the subject's overload above does not hide them unnoticed.
    using WifiObserver::attach;

public:

    virtual void startStream();
    virtual void stopStream();
    virtual bool isStreamingAvailable();
    virtual streamStatus_t getStreamStatus();
    virtual int getStreamSignalQuality();
    virtual QStringList getparams();

    void wifiAvailableChanged(bool available) override;
    void wifiStateChanged(WifiSubject::wifiState_t state) override;
    void wifiSignalQualityChanged(int pct) override;
    void ipCameraEnabledChanged(bool enabled) override;

protected:
    void startStreamProcess();
    void stopStreamProcess();
    void setStreamStatus(streamStatus_t status);
    void setStreamingAvailable(bool available);
    void checkForNewIPCamConfigurationFile();
    bool loadParamsFromFile();

private:
    void launchStreamProcess();
    void streamProcessEnded();

    streamStatus_t streamStatus = STREAM_STOPPED;
    WifiSubject::wifiState_t lastWifiState = WifiSubject::WIFI_OFF;
    bool wifiAvailable = false;
    bool streamingAvailable = false;
    bool ipCameraEnabled = false;
    QStringList params;
    int signalQuality = 0;

    QProcess* streamProcess = nullptr;
    // A player asked to terminate may still be running when the view is
    // shown again; the new start then waits for it to end.
    bool terminationRequested = false;
    bool restartPending = false;
};
