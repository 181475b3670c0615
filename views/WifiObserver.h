#pragma once

#include "core/Observer.h"
#include "views/WifiSubject.h"

#include <QString>

// Adapter of the Wi-Fi link subject. Attaches when constructed; the callbacks
// report state, availability, signal quality, IP address and SSID changes.
class WifiObserver : public Observer {
public:
    explicit WifiObserver(WifiSubject* s);
    virtual ~WifiObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void wifiAvailableChanged(bool available);
    virtual void wifiStateChanged(WifiSubject::wifiState_t state);
    virtual void wifiSignalQualityChanged(int pct);
    virtual void wifiIpChanged(QString ip);
    virtual void wifiSsidChanged(QString ssid);

    // Asks the link to come up.
    void connectWifi();
    // The link's IP address, or an empty text when there is no Wi-Fi at all.
    QString getIP();

private:
    WifiSubject* wifi();

    bool available = false;
    QString ssid = QStringLiteral("-");
    QString ip = QStringLiteral("-");
    int signalQuality = 0;
    WifiSubject::wifiState_t state = WifiSubject::WIFI_OFF;
};
