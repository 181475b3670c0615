#include "WifiObserver.h"

WifiObserver::WifiObserver(WifiSubject* s)
    : Observer(s)
{
    if (!s)
        return;
    s->attach(this);
    // Start from the link as it is, so the first update reports real changes only.
    available = s->isWifiAvailable();
    ssid = s->getSsid();
    ip = s->getIpAddress();
    signalQuality = s->getSignalQualityPct();
    state = s->getState();
}

WifiObserver::~WifiObserver()
{
    detach();
}

WifiSubject* WifiObserver::wifi()
{
    return subject ? dynamic_cast<WifiSubject*>(subject) : nullptr;
}

void WifiObserver::attach()
{
    WifiSubject* s = wifi();
    if (!s)
        return;
    s->attach(this);
    state = s->getState();
    available = s->isWifiAvailable();
    signalQuality = s->getSignalQualityPct();
    ip = s->getIpAddress();
    ssid = s->getSsid();
    wifiStateChanged(state);
    wifiAvailableChanged(available);
    wifiSignalQualityChanged(signalQuality);
    wifiIpChanged(ip);
    wifiSsidChanged(ssid);
}

void WifiObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void WifiObserver::update()
{
    WifiSubject* s = wifi();
    if (!s)
        return;
    const WifiSubject::wifiState_t newState = s->getState();
    if (newState != state) {
        state = newState;
        wifiStateChanged(state);
    }
    const bool newAvailable = s->isWifiAvailable();
    if (newAvailable != available) {
        available = newAvailable;
        wifiAvailableChanged(available);
    }
    const int newQuality = s->getSignalQualityPct();
    if (newQuality != signalQuality) {
        signalQuality = newQuality;
        wifiSignalQualityChanged(signalQuality);
    }
    const QString newIp = s->getIpAddress();
    if (newIp != ip) {
        ip = newIp;
        wifiIpChanged(ip);
    }
    const QString newSsid = s->getSsid();
    if (newSsid != ssid) {
        ssid = newSsid;
        wifiSsidChanged(ssid);
    }
}

void WifiObserver::wifiAvailableChanged(bool) {}
void WifiObserver::wifiStateChanged(WifiSubject::wifiState_t) {}
void WifiObserver::wifiSignalQualityChanged(int) {}
void WifiObserver::wifiIpChanged(QString) {}
void WifiObserver::wifiSsidChanged(QString) {}

void WifiObserver::connectWifi()
{
    if (WifiSubject* s = wifi())
        s->connectWifi();
}

QString WifiObserver::getIP()
{
    WifiSubject* s = wifi();
    if (!s || !s->isWifiAvailable())
        return QString();
    return s->getIpAddress();
}
