#include "CraneModel.h"
#include "Scenario.h"
#include "SimulatorBackend.h"

#include "app/ApplicationStartup.h"
#include "app/VemorToQt.h"
#include "app/nordelappwidget.h"
#include "model/UiModeSubject.h"
#include "support/TestSandbox.h"
#include "ui/MainWidget.h"
#include "updater/WifiUpdate.h"

#include "Configuration.h"
#include "VemorPlatform.h"
#include "View.h"
#include "VirtualHandheld.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QtTest>

namespace {
// The package is built for the machine the test runs on; on the unit's
// architecture the install script must also see the unit's machine name.
#if defined(__arm__)
const char* const PackageArch = "armhf";
const char* const MachineName = "armv7l";
#else
const char* const PackageArch = "host";
const char* const MachineName = nullptr;
#endif

// The simulated crane the installed program and the reference run on: crane
// mode with fixed values, a screenshot every second.
QByteArray scenario()
{
    QByteArray text = "at 0 set mode crane\nat 0 set crane.load 40\nat 0 set hook.weight 800\n";
    for (int s = 2; s <= 90; ++s)
        text += "at " + QByteArray::number(s) + " screenshot shot-" + QByteArray::number(s).rightJustified(2, '0')
            + "\n";
    return text + "at 91 end\n";
}

// Share of pixels that differ; 1 when the sizes differ.
double difference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.isNull())
        return 1.0;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    qint64 differing = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            differing += p[col] != q[col];
    }
    return double(differing) / (double(x.width()) * x.height());
}

bool run(const QString& program, const QStringList& arguments, const QString& root, QByteArray* output,
         int timeoutMs)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("NORDEL_DEVICE_ROOT"), root);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(timeoutMs);
    *output = process.readAll();
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}
}

// The update as a unit receives it: packed and signed by make-update.sh from
// this build, installed by the launcher's real install script into a sandbox
// device root provisioned with the build's public key,
// and the installed program started headless on the simulated crane. What it
// shows must be the operating screen the display composes in this process
// from the same crane, checked there by its UI state.
class UpdateEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // As the program's main does.
        QVERIFY(ApplicationStartup::loadResourcesAndFont());
    }

    void installedPackageReachesTheOperatingScreen()
    {
        TestSandbox box;
        QVERIFY(box.isValid());
        const QString out = box.path() + QStringLiteral("/package");
        QByteArray output;
        QVERIFY2(run(qEnvironmentVariable("NORDEL_SOURCE_DIR") + QStringLiteral("/scripts/make-update.sh"),
                     {QStringLiteral("--arch"), QLatin1String(PackageArch), QStringLiteral("--build"),
                      qEnvironmentVariable("NORDEL_BINARY_DIR"), out},
                     box.root(), &output, 240000),
                 output.constData());

        for (const char* name : {"fbv", "sleep", "sync"})
            box.writeStub(QLatin1String(name), "exit 0\n");
        if (MachineName)
            box.writeStub(QStringLiteral("uname"), "echo " + QByteArray(MachineName) + "\n");
        box.writeFile(box.devicePath(QStringLiteral("/home/set_led.sh")), "exit 0\n");
        QVERIFY(copyWifiUpdaterFilesToTmp(1));
        const QString update = box.devicePath(QStringLiteral("/home/GUI/update/"));
        QVERIFY(QDir().mkpath(update));
        for (const char* name : {"update.tar.gz", "update.md5"})
            QVERIFY(QFile::copy(out + QLatin1Char('/') + QLatin1String(name), update + QLatin1String(name)));
        // The unit is provisioned with the public key of the build's key pair:
        // only a package signed with it installs.
        QVERIFY(QDir().mkpath(box.devicePath(QStringLiteral("/home/GUI/conf"))));
        QVERIFY(QFile::copy(out + QStringLiteral("/update-key.pem"),
                            box.devicePath(QStringLiteral("/home/GUI/conf/update-key.pem"))));
        QVERIFY2(run(QStringLiteral("sh"), {box.devicePath(QStringLiteral("/tmp/wifi_updater/installUpdate.sh"))},
                     box.root(), &output, 60000),
                 output.constData());

        const QString installed = box.devicePath(QStringLiteral("/home/GUI/nordel/"));
        QVERIFY(QFileInfo(installed + QStringLiteral("nordel")).isExecutable());
        QVERIFY(QFileInfo::exists(installed + QStringLiteral("LumoraTranslations.csv")));
        QVERIFY(QFileInfo::exists(installed + QStringLiteral("LumoraTranslations.tar.gz")));
        QVERIFY(TestSandbox::readFile(installed + QStringLiteral("MANIFEST")).contains("product=nordel\n"));
        QVERIFY(QFileInfo(installed + QStringLiteral("switchlink")).isExecutable());
        const QByteArray log = TestSandbox::readFile(box.devicePath(QStringLiteral("/home/GUI/update.log")));
        QVERIFY2(log.count('\n') == 1 && log.contains("\tinstalled\t"), log.constData());

        const QString scenarioFile = box.writeFile(box.path() + QStringLiteral("/crane.scn"), scenario());
        const QImage reference = operatingScreen(box, scenarioFile);
        QVERIFY(!reference.isNull());

        // The installed program on the same crane, until one of its pictures
        // shows that screen.
        const QString shots = box.path() + QStringLiteral("/shots");
        QProcess program;
        program.setProcessEnvironment(box.programEnvironment());
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(installed + QStringLiteral("nordel"), {QStringLiteral("--scenario"), scenarioFile,
                                                             QStringLiteral("--screens-dir"), shots,
                                                             QStringLiteral("--quit-at-end")});
        QVERIFY(program.waitForStarted(30000));
        double closest = 1.0;
        QStringList seen;
        while (closest > 0.005 && program.state() != QProcess::NotRunning) {
            program.waitForFinished(250);
            for (const QString& name : QDir(shots).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name)) {
                if (seen.contains(name))
                    continue;
                const QImage shot(shots + QLatin1Char('/') + name);
                if (shot.isNull())
                    continue; // still being written
                seen << name;
                closest = qMin(closest, difference(shot, reference));
            }
        }
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(10000);
        }
        QVERIFY2(closest <= 0.005, qPrintable(QStringLiteral("closest picture differs in %1 of pixels; %2 pictures; %3")
                                                  .arg(closest)
                                                  .arg(seen.size())
                                                  .arg(QString::fromLocal8Bit(program.readAll().right(2000)))));
    }

private:
    // The display composed here on the simulated crane, as the program's
    // start-up hook does, once it shows the operating screen and has settled.
    QImage operatingScreen(const TestSandbox& box, const QString& scenarioFile)
    {
        VemorPlatform* platform = VemorPlatform::instance();
        auto* sim = new SimulatorBackend(platform);
        sim->setScreenshotDir(box.path() + QStringLiteral("/reference"));
        Scenario crane;
        QString why;
        if (!crane.load(scenarioFile, &why)) {
            qWarning("%s", qPrintable(why));
            return QImage();
        }
        sim->setScenario(crane);
        auto* config = new Configuration;
        config->init();
        platform->setConfiguration(config);
        platform->setCanBackend(sim);
        if (!VemorToQt::intance || !VemorToQt::intance->appWidget() || config->views.isEmpty())
            return QImage();
        MainWidget* main = VemorToQt::intance->appWidget()->mainWidget();
        // Framed by the virtual handheld, which gives the view the unit's size.
        auto* handheld = new VirtualHandheld(config->views.first());
        handheld->start(VirtualHandheld::Options());
        platform->sendSystemMessages();
        platform->startPeriodicMessages();
        sim->start();
        if (!QTest::qWaitFor([main] { return main->getCurrentState() == UiModeSubject::UI_CRANE; }, 60000))
            return QImage();
        // Fades and the first values settle.
        QTest::qWait(3000);
        if (main->getCurrentState() != UiModeSubject::UI_CRANE)
            return QImage();
        const QImage picture = config->views.first()->grab().toImage();
        // Quiet from here on, so the program has the machine.
        sim->model()->set(QStringLiteral("controller.silent"), 1);
        return picture;
    }
};

QTEST_MAIN(UpdateEndToEndTest)
#include "updateendtoendtest.moc"
