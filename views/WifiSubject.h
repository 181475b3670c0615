#pragma once

#include "core/Subject.h"

#include <QString>

// The display's Wi-Fi link as a subject: availability, link state, network
// name, address and signal quality. The camera stream subject and the info
// view observe it through WifiObserver.
class WifiSubject : public Subject {
    Q_OBJECT
public:
    enum wifiState_t {
        WIFI_DISCONNECTING = 0,
        WIFI_OFF = 1,
        WIFI_STARTING = 2,
        WIFI_CONNECTED = 3
    };

    explicit WifiSubject(QObject* parent = nullptr)
        : Subject(parent)
    {
    }

    virtual bool isWifiAvailable() = 0;
    virtual void connectWifi() = 0;
    virtual void disconnectWifi() = 0;
    virtual QString getIpAddress() = 0;
    virtual QString getSsid() = 0;
    virtual int getSignalQualityPct() = 0;
    virtual wifiState_t getState() = 0;
};
