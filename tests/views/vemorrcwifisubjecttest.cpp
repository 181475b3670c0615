#include "support/TestSandbox.h"
#include "views/WifiObserver.h"
#include "views/vemorRcWifiSubject.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QtTest>

#include <memory>

namespace {

// Counts deliveries so a test knows a query's answer has been processed.
class CountingObserver : public Observer {
public:
    explicit CountingObserver(Subject* s)
        : Observer(s)
    {
        s->attach(this);
    }
    ~CountingObserver() { detach(); }
    void attach() override { subject->attach(this); }
    void detach() override { subject->detach(this); }
    void update() override { ++updates; }
    int updates = 0;
};

int lineCount(const QString& path)
{
    return TestSandbox::readFile(path).count('\n');
}

const QByteArray associatedOutput
    = "wlan0     IEEE 802.11bgn  ESSID:\"crane-cam 7\"  \n"
      "          Mode:Managed  Frequency:2.437 GHz  Access Point: 00:1A:2B:3C:4D:5E   \n"
      "          Bit Rate=54 Mb/s   Tx-Power=20 dBm   \n"
      "          Retry  long limit:7   RTS thr:off   Fragment thr:off\n"
      "          Power Management:off\n"
      "          Link Quality=58/70  Signal level=-52 dBm  \n";

const QByteArray ifconfigOutput
    = "wlan0     Link encap:Ethernet  HWaddr 00:1E:C0:11:22:33  \n"
      "          inet addr:192.168.10.7  Bcast:192.168.10.255  Mask:255.255.255.0\n"
      "          inet6 addr: fe80::21e:c0ff:fe11:2233/64 Scope:Link\n"
      "          UP BROADCAST RUNNING MULTICAST  MTU:1500  Metric:1\n";

} // namespace

class VemorRcWifiSubjectTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void bitRateGivesQuality_data();
    void bitRateGivesQuality();
    void unquotedEssidKeepsSsid();
    void missingAddressClearsIp();

    void withoutConfigurationNothingStarts();
    void deliveredConfigurationIsTakenOver();
    void deliveredConfigurationReplacesEarlierArchive();

    void connectTwiceStartsScriptOnce();
    void linkUpStartsPeriodicQueriesAndReadsIp();
    void failingStartScriptLeavesLinkOff_data();
    void failingStartScriptLeavesLinkOff();
    void queryIsNotStartedTwice();
    void desktopStandInsAreUnderstood();
    void periodicQueryOutlivesMissingTool();

private:
    void writeConfig();
    std::unique_ptr<vemorRcWifiSubject> makeSubject();
    void answerIwconfig(const QByteArray& output);
    void waitForAnswer(vemorRcWifiSubject& wifi, CountingObserver& counter);

    std::unique_ptr<TestSandbox> sandbox;
    QString iwconfigCalls;
    QString scriptCalls;
    QString iwconfigOutputFile;
};

void VemorRcWifiSubjectTest::init()
{
    sandbox = std::make_unique<TestSandbox>();
    QVERIFY(sandbox->isValid());
    iwconfigCalls = sandbox->path() + QStringLiteral("/iwconfig.calls");
    scriptCalls = sandbox->path() + QStringLiteral("/script.calls");
    iwconfigOutputFile = sandbox->path() + QStringLiteral("/iwconfig.out");
    sandbox->writeFile(iwconfigOutputFile, associatedOutput);
    sandbox->writeStub(QStringLiteral("iwconfig"),
                       "echo \"$*\" >> '" + iwconfigCalls.toUtf8() + "'\ncat '" + iwconfigOutputFile.toUtf8() + "'\n");
    sandbox->writeStub(QStringLiteral("ifconfig"),
                       "cat <<'EOF'\n" + ifconfigOutput + "EOF\n");
}

void VemorRcWifiSubjectTest::cleanup()
{
    sandbox.reset();
}

void VemorRcWifiSubjectTest::writeConfig()
{
    sandbox->writeFile(sandbox->devicePath(QStringLiteral("/home/wpa_supplicant.conf")), "network={\n}\n");
}

std::unique_ptr<vemorRcWifiSubject> VemorRcWifiSubjectTest::makeSubject()
{
    return std::make_unique<vemorRcWifiSubject>();
}

void VemorRcWifiSubjectTest::answerIwconfig(const QByteArray& output)
{
    sandbox->writeFile(iwconfigOutputFile, output);
}

void VemorRcWifiSubjectTest::waitForAnswer(vemorRcWifiSubject& wifi, CountingObserver& counter)
{
    const int before = counter.updates;
    wifi.updateSignalStrength();
    QTRY_VERIFY_WITH_TIMEOUT(counter.updates > before, 10000);
}

void VemorRcWifiSubjectTest::bitRateGivesQuality_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("quality");
    QTest::newRow("54 Mb/s is full") << QByteArray("Bit Rate=54 Mb/s") << 100;
    QTest::newRow("27 Mb/s is half") << QByteArray("Bit Rate=27 Mb/s") << 50;
    QTest::newRow("1 Mb/s") << QByteArray("Bit Rate=1 Mb/s") << 1;
    QTest::newRow("5.5 Mb/s counts 5") << QByteArray("Bit Rate=5.5 Mb/s") << 9;
    QTest::newRow("53 Mb/s just below full") << QByteArray("Bit Rate=53 Mb/s") << 98;
    QTest::newRow("above 54 is capped") << QByteArray("Bit Rate=150 Mb/s") << 100;
    QTest::newRow("absurdly long number") << QByteArray("Bit Rate=99999999999999999999999 Mb/s") << 100;
    QTest::newRow("no bit rate") << QByteArray("Tx-Power=20 dBm") << 0;
    QTest::newRow("colon form is not understood") << QByteArray("Bit Rate:54 Mb/s") << 0;
}

void VemorRcWifiSubjectTest::bitRateGivesQuality()
{
    QFETCH(QByteArray, line);
    QFETCH(int, quality);
    writeConfig();
    auto wifi = makeSubject();
    CountingObserver counter(wifi.get());

    // A known non-zero quality first, so a result of 0 is a real answer.
    answerIwconfig("Bit Rate=27 Mb/s\n");
    waitForAnswer(*wifi, counter);
    QCOMPARE(wifi->getSignalQualityPct(), 50);

    answerIwconfig("wlan0  ESSID:\"x\"\n          " + line + "   Tx-Power=20 dBm\n");
    waitForAnswer(*wifi, counter);
    QCOMPARE(wifi->getSignalQualityPct(), quality);
}

void VemorRcWifiSubjectTest::unquotedEssidKeepsSsid()
{
    writeConfig();
    auto wifi = makeSubject();
    CountingObserver counter(wifi.get());

    waitForAnswer(*wifi, counter);
    QCOMPARE(wifi->getSsid(), QStringLiteral("crane-cam 7"));

    answerIwconfig("wlan0     IEEE 802.11bgn  ESSID:off/any  \n          Mode:Managed  Access Point: Not-Associated\n");
    waitForAnswer(*wifi, counter);
    QCOMPARE(wifi->getSsid(), QStringLiteral("crane-cam 7"));
    QCOMPARE(wifi->getSignalQualityPct(), 0);
}

void VemorRcWifiSubjectTest::missingAddressClearsIp()
{
    writeConfig();
    auto wifi = makeSubject();
    CountingObserver counter(wifi.get());

    wifi->updateIp();
    QTRY_COMPARE_WITH_TIMEOUT(wifi->getIpAddress(), QStringLiteral("192.168.10.7"), 10000);

    sandbox->writeStub(QStringLiteral("ifconfig"), "echo 'wlan0     Link encap:Ethernet'\necho '          UP BROADCAST'\n");
    const int before = counter.updates;
    wifi->updateIp();
    QTRY_VERIFY_WITH_TIMEOUT(counter.updates > before, 10000);
    QCOMPARE(wifi->getIpAddress(), QString());
}

void VemorRcWifiSubjectTest::withoutConfigurationNothingStarts()
{
    sandbox->writeFile(sandbox->devicePath(QStringLiteral("/home/start_wifi.sh")),
                       "echo run >> '" + scriptCalls.toUtf8() + "'\n");
    auto wifi = makeSubject();
    QVERIFY(!wifi->isWifiAvailable());
    wifi->connectWifi();
    QCOMPARE(wifi->getState(), WifiSubject::WIFI_OFF);
    QTest::qWait(300);
    QVERIFY(!QFile::exists(scriptCalls));
    QCOMPARE(wifi->getState(), WifiSubject::WIFI_OFF);

    WifiObserver observer(wifi.get());
    QCOMPARE(observer.getIP(), QString());
}

void VemorRcWifiSubjectTest::deliveredConfigurationIsTakenOver()
{
    const QString delivered = sandbox->devicePath(QStringLiteral("/home/GUI/conf/wpa_supplicant.conf"));
    const QString active = sandbox->devicePath(QStringLiteral("/home/wpa_supplicant.conf"));
    const QString archived = sandbox->devicePath(QStringLiteral("/home/GUI/conf/wpa_supplicant_current.conf"));
    sandbox->writeFile(delivered, "new network\n");

    // Availability is judged after the take-over, so a first delivery enables Wi-Fi.
    auto wifi = makeSubject();
    QVERIFY(wifi->isWifiAvailable());
    QCOMPARE(TestSandbox::readFile(active), QByteArray("new network\n"));
    QCOMPARE(TestSandbox::readFile(archived), QByteArray("new network\n"));
    QVERIFY(!QFile::exists(delivered));
    QVERIFY(!QFile::exists(active + QStringLiteral(".new")));

    // Nothing delivered at the next start: the file in use stays.
    wifi = makeSubject();
    QVERIFY(wifi->isWifiAvailable());
    QCOMPARE(TestSandbox::readFile(active), QByteArray("new network\n"));
}

void VemorRcWifiSubjectTest::deliveredConfigurationReplacesEarlierArchive()
{
    const QString delivered = sandbox->devicePath(QStringLiteral("/home/GUI/conf/wpa_supplicant.conf"));
    const QString active = sandbox->devicePath(QStringLiteral("/home/wpa_supplicant.conf"));
    const QString archived = sandbox->devicePath(QStringLiteral("/home/GUI/conf/wpa_supplicant_current.conf"));
    sandbox->writeFile(active, "first\n");
    sandbox->writeFile(archived, "first\n");
    sandbox->writeFile(delivered, "second\n");

    auto wifi = makeSubject();
    QCOMPARE(TestSandbox::readFile(active), QByteArray("second\n"));
    QCOMPARE(TestSandbox::readFile(archived), QByteArray("second\n"));
    QVERIFY(!QFile::exists(delivered));
}

void VemorRcWifiSubjectTest::connectTwiceStartsScriptOnce()
{
    writeConfig();
    const QString release = sandbox->path() + QStringLiteral("/release");
    sandbox->writeFile(sandbox->devicePath(QStringLiteral("/home/start_wifi.sh")),
                       "echo run >> '" + scriptCalls.toUtf8() + "'\n"
                       "while [ ! -e '" + release.toUtf8() + "' ]; do sleep 0.05; done\n");
    auto wifi = makeSubject();
    CountingObserver counter(wifi.get());

    wifi->connectWifi();
    QCOMPARE(wifi->getState(), WifiSubject::WIFI_STARTING);
    QCOMPARE(counter.updates, 0); // notification is queued
    wifi->connectWifi();
    QTRY_COMPARE_WITH_TIMEOUT(lineCount(scriptCalls), 1, 10000);
    wifi->connectWifi();
    QTest::qWait(200);
    QCOMPARE(lineCount(scriptCalls), 1);
    QCOMPARE(wifi->getState(), WifiSubject::WIFI_STARTING);
    QVERIFY(!QFile::exists(iwconfigCalls));

    sandbox->writeFile(release, "");
    QTRY_COMPARE_WITH_TIMEOUT(wifi->getState(), WifiSubject::WIFI_CONNECTED, 10000);
    wifi->connectWifi();
    QTest::qWait(200);
    QCOMPARE(lineCount(scriptCalls), 1);
    QCOMPARE(wifi->getState(), WifiSubject::WIFI_CONNECTED);
}

void VemorRcWifiSubjectTest::linkUpStartsPeriodicQueriesAndReadsIp()
{
    writeConfig();
    sandbox->writeFile(sandbox->devicePath(QStringLiteral("/home/start_wifi.sh")), "exit 0\n");
    auto wifi = makeSubject();

    wifi->connectWifi();
    QTRY_COMPARE_WITH_TIMEOUT(wifi->getState(), WifiSubject::WIFI_CONNECTED, 10000);
    // The first query runs as soon as the link is up.
    QTRY_COMPARE_WITH_TIMEOUT(wifi->getSignalQualityPct(), 100, 10000);
    QCOMPARE(wifi->getSsid(), QStringLiteral("crane-cam 7"));
    QCOMPARE(TestSandbox::readFile(iwconfigCalls), QByteArray("wlan0\n"));
    QCOMPARE(wifi->getIpAddress(), QString());

    // And repeats after each answer.
    answerIwconfig("wlan0  ESSID:\"crane-cam 7\"\n   Bit Rate=27 Mb/s\n");
    QTRY_COMPARE_WITH_TIMEOUT(wifi->getSignalQualityPct(), 50, 15000);
    QVERIFY(lineCount(iwconfigCalls) >= 2);

    // The address is read once, some seconds after the link came up.
    QTRY_COMPARE_WITH_TIMEOUT(wifi->getIpAddress(), QStringLiteral("192.168.10.7"), 20000);

    WifiObserver observer(wifi.get());
    QCOMPARE(observer.getIP(), QStringLiteral("192.168.10.7"));
}

void VemorRcWifiSubjectTest::failingStartScriptLeavesLinkOff_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::newRow("non-zero exit") << QByteArray("exit 3\n");
    QTest::newRow("crash") << QByteArray("kill -SEGV $$\n");
}

void VemorRcWifiSubjectTest::failingStartScriptLeavesLinkOff()
{
    QFETCH(QByteArray, script);
    writeConfig();
    sandbox->writeFile(sandbox->devicePath(QStringLiteral("/home/start_wifi.sh")),
                       "echo run >> '" + scriptCalls.toUtf8() + "'\n" + script);
    auto wifi = makeSubject();

    wifi->connectWifi();
    QCOMPARE(wifi->getState(), WifiSubject::WIFI_STARTING);
    QTRY_COMPARE_WITH_TIMEOUT(lineCount(scriptCalls), 1, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(wifi->getState(), WifiSubject::WIFI_OFF, 10000);
    QTest::qWait(300);
    QVERIFY(!QFile::exists(iwconfigCalls));

    // Off again means a later request retries.
    wifi->connectWifi();
    QCOMPARE(wifi->getState(), WifiSubject::WIFI_STARTING);
    QTRY_COMPARE_WITH_TIMEOUT(lineCount(scriptCalls), 2, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(wifi->getState(), WifiSubject::WIFI_OFF, 10000);
}

void VemorRcWifiSubjectTest::queryIsNotStartedTwice()
{
    writeConfig();
    const QString release = sandbox->path() + QStringLiteral("/release");
    sandbox->writeStub(QStringLiteral("iwconfig"),
                       "echo \"$*\" >> '" + iwconfigCalls.toUtf8() + "'\n"
                       "while [ ! -e '" + release.toUtf8() + "' ]; do sleep 0.05; done\n"
                       "echo 'Bit Rate=27 Mb/s'\n");
    auto wifi = makeSubject();
    CountingObserver counter(wifi.get());

    wifi->updateSignalStrength();
    QTRY_COMPARE_WITH_TIMEOUT(lineCount(iwconfigCalls), 1, 10000);
    wifi->updateSignalStrength();
    wifi->updateSignalStrength();
    QTest::qWait(200);
    QCOMPARE(lineCount(iwconfigCalls), 1);

    sandbox->writeFile(release, "");
    QTRY_COMPARE_WITH_TIMEOUT(wifi->getSignalQualityPct(), 50, 10000);
    QCOMPARE(lineCount(iwconfigCalls), 1);
}

void VemorRcWifiSubjectTest::desktopStandInsAreUnderstood()
{
    // The desktop run's stand-ins must produce output this subject parses.
    const QString source = qEnvironmentVariable("NORDEL_SOURCE_DIR");
    if (source.isEmpty())
        QSKIP("NORDEL_SOURCE_DIR not set");
    QProcess seed;
    seed.start(source + QStringLiteral("/tools/desktop-device/seed.sh"), {sandbox->root()});
    QVERIFY(seed.waitForFinished(10000));
    QCOMPARE(seed.exitCode(), 0);
    for (const QString& tool : {QStringLiteral("iwconfig"), QStringLiteral("ifconfig")}) {
        QFile::remove(sandbox->binDir() + QLatin1Char('/') + tool);
        QVERIFY(QFile::copy(source + QStringLiteral("/tools/desktop-bin/") + tool,
                            sandbox->binDir() + QLatin1Char('/') + tool));
    }

    auto wifi = makeSubject();
    QVERIFY(wifi->isWifiAvailable());
    wifi->connectWifi();
    QTRY_COMPARE_WITH_TIMEOUT(wifi->getState(), WifiSubject::WIFI_CONNECTED, 15000);
    QTRY_COMPARE_WITH_TIMEOUT(wifi->getSsid(), QStringLiteral("CRANE-CAM-0042"), 10000);
    QVERIFY(wifi->getSignalQualityPct() >= 20);
    wifi->updateIp();
    QTRY_COMPARE_WITH_TIMEOUT(wifi->getIpAddress(), QStringLiteral("192.168.10.23"), 10000);
}

void VemorRcWifiSubjectTest::periodicQueryOutlivesMissingTool()
{
    writeConfig();
    sandbox->writeFile(sandbox->devicePath(QStringLiteral("/home/start_wifi.sh")), "exit 0\n");
    QFile::remove(sandbox->binDir() + QStringLiteral("/iwconfig"));
    auto wifi = makeSubject();
    wifi->connectWifi();
    QTRY_COMPARE_WITH_TIMEOUT(wifi->getState(), WifiSubject::WIFI_CONNECTED, 10000);
    QCOMPARE(wifi->getSignalQualityPct(), 0);

    // The tool shows up later (a slow mount, say): the next round finds it.
    sandbox->writeStub(QStringLiteral("iwconfig"), "echo 'Bit Rate=27 Mb/s'\n");
    QTRY_COMPARE_WITH_TIMEOUT(wifi->getSignalQualityPct(), 50, 15000);
}

QTEST_GUILESS_MAIN(VemorRcWifiSubjectTest)
#include "vemorrcwifisubjecttest.moc"
