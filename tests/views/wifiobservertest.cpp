#include "views/WifiObserver.h"

#include <QStringList>
#include <QtTest>

namespace {

// A link whose values the test sets directly.
class FakeWifi : public WifiSubject {
public:
    bool isWifiAvailable() override { return available; }
    void connectWifi() override { ++connects; }
    void disconnectWifi() override {}
    QString getIpAddress() override { return ip; }
    QString getSsid() override { return ssid; }
    int getSignalQualityPct() override { return quality; }
    wifiState_t getState() override { return state; }

    bool available = true;
    QString ip = QStringLiteral("10.0.0.2");
    QString ssid = QStringLiteral("crane");
    int quality = 40;
    wifiState_t state = WIFI_CONNECTED;
    int connects = 0;
};

class RecordingObserver : public WifiObserver {
public:
    using WifiObserver::WifiObserver;
    ~RecordingObserver() override = default;
    void wifiAvailableChanged(bool b) override { calls << QStringLiteral("available %1").arg(b); }
    void wifiStateChanged(WifiSubject::wifiState_t s) override { calls << QStringLiteral("state %1").arg(s); }
    void wifiSignalQualityChanged(int q) override { calls << QStringLiteral("quality %1").arg(q); }
    void wifiIpChanged(QString ip) override { calls << QStringLiteral("ip ") + ip; }
    void wifiSsidChanged(QString s) override { calls << QStringLiteral("ssid ") + s; }
    QStringList calls;
};

} // namespace

class WifiObserverTest : public QObject {
    Q_OBJECT

private slots:
    void constructionTakesValuesSilently()
    {
        FakeWifi wifi;
        RecordingObserver observer(&wifi);
        QCOMPARE(wifi.getNumberOfAttachedObservers(), 1);
        wifi.notify();
        QCoreApplication::processEvents();
        QVERIFY(observer.calls.isEmpty());
    }

    void attachDeliversAllInOrder()
    {
        FakeWifi wifi;
        RecordingObserver observer(&wifi);
        observer.attach();
        QCOMPARE(wifi.getNumberOfAttachedObservers(), 1);
        QCOMPARE(observer.calls, (QStringList {QStringLiteral("state 3"), QStringLiteral("available 1"),
                                               QStringLiteral("quality 40"), QStringLiteral("ip 10.0.0.2"),
                                               QStringLiteral("ssid crane")}));
    }

    void updateReportsOnlyChanges()
    {
        FakeWifi wifi;
        wifi.state = WifiSubject::WIFI_OFF;
        RecordingObserver observer(&wifi);
        wifi.ssid = QStringLiteral("other");
        wifi.state = WifiSubject::WIFI_STARTING;
        wifi.quality = 0;
        wifi.notify();
        wifi.notify();
        QVERIFY(observer.calls.isEmpty());
        QCoreApplication::processEvents();
        QCOMPARE(observer.calls,
                 (QStringList {QStringLiteral("state 2"), QStringLiteral("quality 0"), QStringLiteral("ssid other")}));
    }

    void getIpOnlyWithWifi()
    {
        FakeWifi wifi;
        RecordingObserver observer(&wifi);
        QCOMPARE(observer.getIP(), QStringLiteral("10.0.0.2"));
        wifi.available = false;
        QCOMPARE(observer.getIP(), QString());
        observer.connectWifi();
        QCOMPARE(wifi.connects, 1);
    }

    void detachesOnDestruction()
    {
        FakeWifi wifi;
        {
            RecordingObserver observer(&wifi);
        }
        QCOMPARE(wifi.getNumberOfAttachedObservers(), 0);
        RecordingObserver orphan(nullptr);
        orphan.attach();
        orphan.update();
        QCOMPARE(orphan.getIP(), QString());
        QVERIFY(orphan.calls.isEmpty());
    }
};

QTEST_GUILESS_MAIN(WifiObserverTest)
#include "wifiobservertest.moc"
