#include "support/TestSandbox.h"
#include "updater/PskKeys.h"
#include "updater/WifiUpdate.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {
// Appends one line per call to the log: the program's name, then every
// argument in brackets so that argument boundaries stay visible.
QByteArray recorder(const QByteArray& name, const QString& log)
{
    return "line='" + name + "'\nfor a in \"$@\"; do line=\"$line [$a]\"; done\necho \"$line\" >> '"
        + QFile::encodeName(log) + "'\n";
}

using Tree = QMap<QString, QByteArray>;

// Every file below a folder with its content, hidden ones included.
Tree snapshot(const QString& folder)
{
    Tree tree;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        tree.insert(QDir(folder).relativeFilePath(path), TestSandbox::readFile(path));
    }
    return tree;
}

bool run(const QString& program, const QStringList& arguments, QByteArray* output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return false;
    if (output)
        *output = process.readAll();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// The tool set the install script runs with: empty for the machine's own
// (GNU) tools, else a folder of BusyBox applets (see fetch-busybox.sh).
QString toolSet()
{
    return qEnvironmentVariable("NORDEL_UPDATE_TOOLS");
}

// Every program the install script may start.
const QStringList& scriptTools()
{
    static const QStringList tools{QStringLiteral("md5sum"), QStringLiteral("sha256sum"), QStringLiteral("tar"),
                                   QStringLiteral("gzip"),   QStringLiteral("sed"),       QStringLiteral("find"),
                                   QStringLiteral("rm"),     QStringLiteral("mkdir"),     QStringLiteral("chmod"),
                                   QStringLiteral("ln"),     QStringLiteral("mv"),        QStringLiteral("sh"),
                                   QStringLiteral("uname"),  QStringLiteral("date"),      QStringLiteral("tail"),
                                   QStringLiteral("openssl")};
    return tools;
}
}

// Runs the launcher's real scripts with sh in a sandbox device root. The
// unit's programs are stubs on PATH that log their calls; the file tools are
// the real ones: the machine's, or only BusyBox applets when
// NORDEL_UPDATE_TOOLS names such a set (with and without mv -T and readlink).
class UpdateScriptsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_keys.isValid());
        m_openssl = QStandardPaths::findExecutable(QStringLiteral("openssl"));
        QVERIFY(!m_openssl.isEmpty());
        for (const char* name : {"maker", "stranger"}) {
            const QString key = m_keys.path() + QLatin1Char('/') + QLatin1String(name);
            QVERIFY(run(m_openssl, {QStringLiteral("genpkey"), QStringLiteral("-algorithm"), QStringLiteral("RSA"),
                                    QStringLiteral("-pkeyopt"), QStringLiteral("rsa_keygen_bits:3072"),
                                    QStringLiteral("-out"), key + QStringLiteral(".pem")}));
            QVERIFY(run(m_openssl, {QStringLiteral("pkey"), QStringLiteral("-in"), key + QStringLiteral(".pem"),
                                    QStringLiteral("-pubout"), QStringLiteral("-out"), key + QStringLiteral(".pub")}));
        }
        m_helper = qEnvironmentVariable("NORDEL_BINARY_DIR") + QStringLiteral("/switchlink");
        QVERIFY2(QFileInfo(m_helper).isExecutable(), qPrintable(m_helper));
        if (!toolSet().isEmpty())
            QVERIFY2(QFileInfo(toolSet() + QStringLiteral("/sh")).isExecutable(), qPrintable(toolSet()));
    }

    void init()
    {
        // Packages for BusyBox's own mv -T switch the link with it; the
        // others carry the link switch, the only way where mv lacks -T.
        m_packHelper = !toolSet().endsWith(QLatin1String("/busybox"));
        m_box.reset(new TestSandbox);
        QVERIFY(m_box->isValid());
        for (const char* name : {"fbv", "iwpriv", "udhcpd", "modprobe", "depmod", "sleep", "sync"})
            m_box->writeStub(QString::fromLatin1(name), recorder(name, log()));
        m_box->writeStub(QStringLiteral("ifconfig"),
                         recorder("ifconfig", log()) + "if [ $# -eq 1 ] && [ -e '"
                             + QFile::encodeName(noWifiFlag()) + "' ]; then exit 1; fi\nexit 0\n");
        m_box->writeFile(m_box->devicePath(QStringLiteral("/home/set_led.sh")), recorder("set_led.sh", log()));
        m_box->writeFile(m_box->devicePath(QStringLiteral("/home/gpio.sh")), recorder("gpio.sh", log()));
        // The launcher puts the scripts and screens here on the unit.
        QVERIFY(copyWifiUpdaterFilesToTmp(7));
        m_path = QFile::encodeName(m_box->binDir()) + ':'
            + (toolSet().isEmpty() ? qgetenv("PATH").mid(m_box->binDir().size() + 1) : QFile::encodeName(toolSet()));
    }

    void cleanup() { m_box.reset(); }

    void accessPointStarts()
    {
        m_box->writeFile(m_box->devicePath(QStringLiteral("/home/GUI/update/update.tar.gz")), "stale");
        QVERIFY(runScript(QStringLiteral("startWifi.sh"), {QStringLiteral("Lumora 0007"), pskKeys.at(7)}));

        // udhcpd runs in the background: its line may land anywhere after it
        // was started, so it is checked on its own.
        QTRY_VERIFY_WITH_TIMEOUT(calls().contains(QStringLiteral("udhcpd [/tmp/wifi_updater/udhcpd.conf]")), 10000);
        const QStringList all = calls();
        QCOMPARE(all.count(QStringLiteral("udhcpd [/tmp/wifi_updater/udhcpd.conf]")), 1);
        QVERIFY(all.indexOf(QStringLiteral("udhcpd [/tmp/wifi_updater/udhcpd.conf]"))
                > all.indexOf(QStringLiteral("ifconfig [wlan0] [192.168.1.1] [netmask] [255.255.255.0]")));

        QStringList expected = accessPointSetUp();
        expected << QStringLiteral("fbv [-i] [-c] [/tmp/wifi_updater/readyForUpdate.png]")
                 << QStringLiteral("set_led.sh [5] [0]") << QStringLiteral("set_led.sh [6] [255]")
                 << QStringLiteral("set_led.sh [7] [0]");
        QCOMPARE(callsWithoutDhcp(), expected);
        QVERIFY(!QFileInfo::exists(m_box->devicePath(QStringLiteral("/home/GUI/update"))));
    }

    void accessPointWithoutWifi()
    {
        m_box->writeFile(noWifiFlag(), "");
        runScript(QStringLiteral("startWifi.sh"), {QStringLiteral("Lumora 0042"), pskKeys.at(42)});
        QTRY_VERIFY_WITH_TIMEOUT(calls().contains(QStringLiteral("udhcpd [/tmp/wifi_updater/udhcpd.conf]")), 10000);

        QStringList expected = accessPointSetUp(QStringLiteral("Lumora 0042"), pskKeys.at(42));
        // The LED stays red and the ready screen never comes.
        expected << QStringLiteral("fbv [-i] [-c] [/tmp/wifi_updater/updateFailed_noWifi.png]");
        QCOMPARE(callsWithoutDhcp(), expected);
    }

    void goodUpdateIsInstalled()
    {
        installApplication();
        QVERIFY(placeUpdate(packUpdate()));
        QVERIFY2(runScript(QStringLiteral("installUpdate.sh")), m_output.constData());

        // Flushed before the update takes its slot, after, after the switch
        // and with the log line.
        QCOMPARE(calls(), QStringList({QStringLiteral("fbv [-i] [-c] [/tmp/wifi_updater/installingUpdate.png]"),
                                       QStringLiteral("sleep [1]"), QStringLiteral("sync"), QStringLiteral("sync"),
                                       QStringLiteral("sync"), QStringLiteral("sync"),
                                       QStringLiteral("fbv [-i] [-c] [/tmp/wifi_updater/updateCompleate.png]"),
                                       QStringLiteral("set_led.sh [5] [255]"), QStringLiteral("set_led.sh [6] [0]"),
                                       QStringLiteral("set_led.sh [7] [0]")}));
        const Tree installed = snapshot(guiDir());
        QCOMPARE(installed.value(QStringLiteral("nordel")), QByteArray("new binary"));
        QCOMPARE(installed.value(QStringLiteral("conf/languages.csv")), QByteArray("new texts"));
        QCOMPARE(installed.value(QStringLiteral(".settings")), QByteArray("new hidden"));
        QVERIFY(!installed.contains(QStringLiteral("old-only.txt")));
        const QFileInfo binary(guiDir() + QStringLiteral("/nordel"));
        QVERIFY(binary.permissions() & QFileDevice::ExeOther);
        QVERIFY(QFileInfo(guiDir() + QStringLiteral("/conf/languages.csv")).permissions() & QFileDevice::ReadOther);
        QVERIFY(!QFileInfo::exists(updateDir()));
        QCOMPARE(guiEntries(), QStringList({QStringLiteral("nordel"), QStringLiteral("nordel.1")}));

        // The next update takes the other slot and the replaced one goes.
        QVERIFY(placeUpdate(packUpdate("second binary")));
        QVERIFY(runScript(QStringLiteral("installUpdate.sh")));
        QCOMPARE(TestSandbox::readFile(guiDir() + QStringLiteral("/nordel")), QByteArray("second binary"));
        QCOMPARE(guiEntries(), QStringList({QStringLiteral("nordel"), QStringLiteral("nordel.2")}));
        const QStringList lines = logLines();
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines.last().contains(QStringLiteral("\tinstalled\t")), qPrintable(lines.last()));
    }

    // The switch is one rename: by the package's switchlink, else mv -T;
    // with neither, the install stops and the application stays.
    void linkSwitchIsOneRename_data()
    {
        QTest::addColumn<QString>("helper");
        QTest::addColumn<bool>("mvT");
        QTest::addColumn<bool>("installed");
        QTest::newRow("switchlink, mv -T") << QStringLiteral("built") << true << true;
        QTest::newRow("switchlink, no mv -T") << QStringLiteral("built") << false << true;
        QTest::newRow("no switchlink, mv -T") << QString() << true << true;
        QTest::newRow("neither") << QString() << false << false;
        QTest::newRow("switchlink that does not run here, no mv -T") << QStringLiteral("foreign") << false << false;
        QTest::newRow("switchlink that does not run here, mv -T") << QStringLiteral("foreign") << true << true;
    }

    void linkSwitchIsOneRename()
    {
        QFETCH(QString, helper);
        QFETCH(bool, mvT);
        QFETCH(bool, installed);
        if (!mvT)
            writeMvWithoutT();
        // The old BusyBox set has no mv -T at all.
        if (mvT && helper != QLatin1String("built") && toolSet().endsWith(QLatin1String("-old")))
            installed = false;
        m_box->writeStub(QStringLiteral("ln"), recorder("ln", log()) + "exec '" + realTool("ln") + "' \"$@\"\n");
        installApplication(m_box->devicePath(QStringLiteral("/home/GUI/nordel.2")));
        QVERIFY(QFile::link(QStringLiteral("nordel.2"), guiDir()));
        const Tree before = snapshot(guiDir());
        m_packHelper = helper == QLatin1String("built");
        writeSource("new binary");
        if (helper == QLatin1String("foreign"))
            m_box->writeFile(source() + QStringLiteral("/switchlink"), "\x7f" "ELF not for this machine");
        QVERIFY(placeUpdate(packSource()));

        QVERIFY2(runScript(QStringLiteral("installUpdate.sh")) == installed, m_output.constData());
        QVERIFY(QFileInfo(guiDir()).isSymLink());
        QCOMPARE(TestSandbox::readFile(guiDir() + QStringLiteral("/nordel")),
                 QByteArray(installed ? "new binary" : "old binary"));
        QCOMPARE(guiEntries(), QStringList({QStringLiteral("nordel"), installed ? QStringLiteral("nordel.1")
                                                                                 : QStringLiteral("nordel.2")}));
        if (!installed)
            QCOMPARE(snapshot(guiDir()), before);
        QVERIFY2(lastLogLine().contains(installed ? QStringLiteral("\tinstalled\t") : QStringLiteral("\tfailed\t")),
                 qPrintable(lastLogLine()));
        // The link is only ever made new, never replaced in two steps.
        for (const QString& call : calls()) {
            if (call.startsWith(QLatin1String("ln ")))
                QCOMPARE(call, QStringLiteral("ln [-s] [nordel.1] [/home/GUI/nordel.link]"));
        }
    }

    // However the link names its slot, and whether or not readlink works,
    // the slot in use is never written; a failing unpack leaves it whole.
    void slotInUseIsNeverWritten_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("unpacks");
        for (const bool unpacks : {true, false}) {
            const char* suffix = unpacks ? "" : ", unpack fails";
            QTest::addRow("nordel.1%s", suffix) << QStringLiteral("nordel.1") << unpacks;
            QTest::addRow("nordel.1/%s", suffix) << QStringLiteral("nordel.1/") << unpacks;
            QTest::addRow("./nordel.1%s", suffix) << QStringLiteral("./nordel.1") << unpacks;
            QTest::addRow("absolute%s", suffix) << QStringLiteral("/home/GUI/nordel.1") << unpacks;
        }
    }

    void slotInUseIsNeverWritten()
    {
        QFETCH(QString, target);
        QFETCH(bool, unpacks);
        m_box->writeStub(QStringLiteral("readlink"), "exit 1\n");
        installApplication(m_box->devicePath(QStringLiteral("/home/GUI/nordel.1")));
        const Tree before = snapshot(m_box->devicePath(QStringLiteral("/home/GUI/nordel.1")));
        QVERIFY(QFile::link(target.startsWith(QLatin1Char('/')) ? m_box->devicePath(target) : target, guiDir()));
        writeSource("new binary");
        if (!unpacks) {
            // "a" as a file, then "a/b" below it: lists fine, cannot unpack.
            m_box->writeFile(m_box->path() + QStringLiteral("/s2/a/b"), "below a file");
            m_box->writeFile(source() + QStringLiteral("/a"), "file");
            QVERIFY(placeUpdate(tarArchive({QStringLiteral("-C"), source(), QStringLiteral("."), QStringLiteral("-C"),
                                            m_box->path() + QStringLiteral("/s2"), QStringLiteral("a/b")})));
        } else {
            QVERIFY(placeUpdate(packSource()));
        }

        QVERIFY2(runScript(QStringLiteral("installUpdate.sh")) == unpacks, m_output.constData());
        if (unpacks) {
            QCOMPARE(TestSandbox::readFile(guiDir() + QStringLiteral("/nordel")), QByteArray("new binary"));
            QCOMPARE(guiEntries(), QStringList({QStringLiteral("nordel"), QStringLiteral("nordel.2")}));
        } else {
            QCOMPARE(snapshot(guiDir()), before);
            QCOMPARE(guiEntries(), QStringList({QStringLiteral("nordel"), QStringLiteral("nordel.1")}));
            QVERIFY2(lastLogLine().contains(QStringLiteral("\tfailed\tarchive does not unpack")),
                     qPrintable(lastLogLine()));
        }
    }

    // What an interrupted run (or the unit's own start) left is repaired or
    // tidied by the next run, before it looks at the package.
    void leftoversAreRepairedFirst_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("running");
        QTest::newRow("no link beside a complete slot") << QStringLiteral("missing") << QStringLiteral("nordel.2");
        QTest::newRow("link to nothing beside a complete slot") << QStringLiteral("dangling") << QStringLiteral("nordel.2");
        QTest::newRow("plain directory moved aside") << QStringLiteral("moved") << QStringLiteral("nordel.old");
        QTest::newRow("half-removed slot, new link, staging, trash") << QStringLiteral("debris") << QStringLiteral("nordel.2");
    }

    void leftoversAreRepairedFirst()
    {
        QFETCH(QString, state);
        QFETCH(QString, running);
        const QString gui = m_box->devicePath(QStringLiteral("/home/GUI/"));
        installApplication(gui + running);
        if (state == QLatin1String("dangling"))
            QVERIFY(QFile::link(QStringLiteral("nordel.1"), guiDir()));
        if (state == QLatin1String("debris")) {
            QVERIFY(QFile::link(QStringLiteral("nordel.2"), guiDir()));
            m_box->writeFile(gui + QStringLiteral("nordel.1/conf/languages.csv"), "half");
            m_box->writeFile(gui + QStringLiteral("nordel.new/nordel"), "half");
            m_box->writeFile(gui + QStringLiteral("nordel.trash/nordel"), "half");
            QVERIFY(QFile::link(QStringLiteral("nordel.1"), gui + QStringLiteral("nordel.link")));
        }
        const Tree before = snapshot(gui + running);
        // No package at all: the run is refused, after the repair.
        QVERIFY(!runScript(QStringLiteral("installUpdate.sh")));
        QCOMPARE(snapshot(guiDir()), before);
        QCOMPARE(guiEntries(), state == QLatin1String("moved") ? QStringList({QStringLiteral("nordel")})
                                                               : QStringList({QStringLiteral("nordel"), running}));
        QVERIFY2(lastLogLine().contains(QStringLiteral("\trefused\t")), qPrintable(lastLogLine()));
    }

    void manifestMustNameThisProductAndMachine_data()
    {
        QTest::addColumn<QByteArray>("manifest");
        QTest::addColumn<bool>("installed");
        QTest::newRow("this product and machine")
            << QByteArray("product=nordel\nversion=1.3.2\narchitecture=armhf\nbuild=0123abc\n") << true;
        QTest::newRow("program for another machine") << QByteArray("product=nordel\narchitecture=amd64\n") << false;
        QTest::newRow("another product") << QByteArray("product=fieldloader\narchitecture=armhf\n") << false;
        QTest::newRow("no machine named") << QByteArray("product=nordel\n") << false;
    }

    void manifestMustNameThisProductAndMachine()
    {
        QFETCH(QByteArray, manifest);
        QFETCH(bool, installed);
        writeArmUname();
        installApplication();
        const Tree before = snapshot(guiDir());
        QVERIFY(placeUpdate(packUpdate("new binary", manifest)));

        QCOMPARE(runScript(QStringLiteral("installUpdate.sh")), installed);
        QVERIFY(!QFileInfo::exists(updateDir()));
        if (installed) {
            QCOMPARE(snapshot(guiDir()).value(QStringLiteral("MANIFEST")), manifest);
            const QString line = lastLogLine();
            QVERIFY2(line.contains(QStringLiteral("\tversion=1.3.2\tbuild=0123abc\tarchitecture=armhf\tsha256=")
                                   + QString::fromLatin1(QCryptographicHash::hash(TestSandbox::readFile(m_lastArchive),
                                                                                  QCryptographicHash::Sha256)
                                                             .toHex())),
                     qPrintable(line));
            return;
        }
        QCOMPARE(snapshot(guiDir()), before);
        QCOMPARE(guiEntries(), QStringList({QStringLiteral("nordel")}));
        QCOMPARE(calls().value(calls().size() - 1), QStringLiteral("fbv [-i] [-c] [/tmp/wifi_updater/updateFailed_checksum.png]"));
    }

    // Every program the script starts is a step; the script is killed at each
    // step in turn. Each time the application directory must hold the old or
    // the new application, whole, and a new run must still install.
    void killedAtAnyStepLeavesOneCompleteApplication_data()
    {
        QTest::addColumn<bool>("linked");
        QTest::addColumn<bool>("signedPackage");
        QTest::newRow("plain directory of an older installer") << false << false;
        QTest::newRow("link left by an earlier update, signed package, provisioned key") << true << true;
    }

    void killedAtAnyStepLeavesOneCompleteApplication()
    {
        QFETCH(bool, linked);
        QFETCH(bool, signedPackage);
        writeArmUname();
        writeSource("new binary", "product=nordel\narchitecture=armhf\n");
        if (signedPackage) {
            signSource(QStringLiteral("maker"));
            provisionKey(QStringLiteral("maker"));
        }
        const QByteArray archive = packSource();
        const Tree newTree = snapshot(source());
        const QString sh = shell();
        writeStepStubs();

        int steps = -1;
        int missing = 0;
        for (int killAt = 0; steps < 0 || killAt <= steps; ++killAt) {
            const QString at = QStringLiteral("kill at step %1").arg(killAt);
            for (const QString& entry : guiEntries())
                QDir(m_box->devicePath(QStringLiteral("/home/GUI/")) + entry).removeRecursively();
            QFile::remove(guiDir());
            if (linked) {
                installApplication(m_box->devicePath(QStringLiteral("/home/GUI/nordel.2")));
                QVERIFY(QFile::link(QStringLiteral("nordel.2"), guiDir()));
            } else {
                installApplication();
            }
            const Tree oldTree = snapshot(guiDir());
            QVERIFY(placeUpdate(archive));

            const bool finished = runKillable(sh, killAt);
            if (killAt == 0) {
                QVERIFY2(finished, m_output.constData());
                steps = stepsTaken();
                QVERIFY2(steps > 20, qPrintable(QString::number(steps)));
            }
            const bool isLink = QFileInfo(guiDir()).isSymLink();
            const Tree now = snapshot(guiDir());
            if (!QFileInfo::exists(guiDir()) && !linked) {
                // The one moment a plain directory makes way for the link: the
                // old application waits beside it and the next run puts it back.
                QCOMPARE(snapshot(guiDir() + QStringLiteral(".old")), oldTree);
                ++missing;
                QDir(updateDir()).removeRecursively();
                QVERIFY2(!runKillable(sh, -1), qPrintable(at));
                QVERIFY2(snapshot(guiDir()) == oldTree, qPrintable(at));
            } else {
                QVERIFY2(now == oldTree || now == newTree, qPrintable(at));
                QVERIFY2(isLink || now == oldTree, qPrintable(at));
            }

            // Whatever the stopped run left, the next one installs.
            QVERIFY(placeUpdate(archive));
            QVERIFY2(runKillable(sh, -1), qPrintable(at + QLatin1Char(' ') + QString::fromLocal8Bit(m_output)));
            QVERIFY2(snapshot(guiDir()) == newTree, qPrintable(at));
            QVERIFY2(guiEntries().size() == 2, qPrintable(at + QLatin1Char(' ') + guiEntries().join(QLatin1Char(' '))));
        }
        QCOMPARE(missing, linked ? 0 : 1);
    }

    // Packages the script must refuse (or fail to install) without touching
    // the application, the LED or anything outside. Each row's shell snippet
    // runs in the sandbox folder, beside src/ (a good application folder) and
    // outside/ (files that must stay as they are), and leaves packed.tar.gz;
    // the md5 line names its sum as %1.
    void badUpdateKeepsTheApplication_data()
    {
        QTest::addColumn<QByteArray>("pack");
        QTest::addColumn<QByteArray>("md5");
        QTest::addColumn<QString>("result");
        const QByteArray good = "tar -C src -czf packed.tar.gz .";
        const QByteArray md5 = "%1  update.tar.gz\n";
        QTest::newRow("checksum mismatch") << good << QByteArray("0123456789abcdef0123456789abcdef  update.tar.gz\n")
                                           << "refused";
        QTest::newRow("update.md5 names another file")
            << good + " && : > root/home/GUI/update/other" << QByteArray("d41d8cd98f00b204e9800998ecf8427e  other\n")
            << "refused";
        QTest::newRow("update.md5 empty") << good << QByteArray() << "refused";
        QTest::newRow("truncated archive, matching checksum")
            << good + " && head -c $(($(wc -c < packed.tar.gz) / 2)) packed.tar.gz > t && mv t packed.tar.gz" << md5 << "refused";
        QTest::newRow("no archive at all") << QByteArray("rm -f packed.tar.gz") << md5 << "refused";
        QTest::newRow("archive that fails to unpack")
            << QByteArray("mkdir -p s2/a && echo x > s2/a/b && echo f > src/a && tar -czf packed.tar.gz -C src . -C ../s2 a/b")
            << md5 << "failed";
        QTest::newRow("member climbing out with ..")
            << QByteArray("tar -P -czf packed.tar.gz -C src . ../outside/keep.txt") << md5 << "refused";
        QTest::newRow("member with an absolute path")
            << QByteArray("tar -P -czf packed.tar.gz -C src . \"$PWD/outside/keep.txt\"") << md5 << "refused";
        QTest::newRow("empty archive") << QByteArray("tar -czf packed.tar.gz -T /dev/null") << md5 << "refused";
        QTest::newRow("only a top folder") << QByteArray("mkdir e && tar -C e -czf packed.tar.gz .") << md5 << "refused";
        QTest::newRow("application packed as a top folder")
            << QByteArray("mkdir t && cp -r src t/nordel && tar -C t -czf packed.tar.gz nordel") << md5 << "refused";
        QTest::newRow("program is a folder")
            << QByteArray("mv src/nordel src/x && mkdir src/nordel && tar -C src -czf packed.tar.gz .") << md5 << "refused";
        QTest::newRow("symbolic link member") << QByteArray("ln -s / src/x && " + good) << md5 << "refused";
        QTest::newRow("member written through a symbolic link")
            << QByteArray("mkdir -p l m/x && ln -s \"$PWD/outside\" l/x && echo planted > m/x/keep.txt"
                          " && tar -czf packed.tar.gz -C src . -C ../l x -C ../m x/keep.txt")
            << md5 << "refused";
        QTest::newRow("hard link to a file outside")
            << QByteArray("ln outside/keep.txt src/h && tar -P -cf p.tar -C src ../outside/keep.txt ."
                          " && tar -P --delete -f p.tar ../outside/keep.txt && gzip -n < p.tar > packed.tar.gz")
            << md5 << "refused";
        QTest::newRow("FIFO named like the translation table")
            << QByteArray("mkfifo src/LumoraTranslations.csv && " + good) << md5 << "refused";
        QTest::newRow("device node")
            << QByteArray("{ mknod src/null c 1 3 || exit 77; } && " + good) << md5 << "refused";
        QTest::newRow("hashing tool fails") << good + " && printf '#!/bin/sh\\nexit 2\\n' > bin/sha256sum && chmod +x bin/sha256sum"
                                            << md5 << "refused";
        QTest::newRow("find fails") << good + " && printf '#!/bin/sh\\nexit 2\\n' > bin/find && chmod +x bin/find" << md5
                                    << "refused";
        QTest::newRow("a tool missing") << good + " && echo sha256sum > missing-tool" << md5 << "refused";
    }

    void badUpdateKeepsTheApplication()
    {
        QFETCH(QByteArray, pack);
        QFETCH(QByteArray, md5);
        QFETCH(QString, result);
        installApplication();
        const Tree before = snapshot(guiDir());
        writeSource("new binary");
        const QString outside = m_box->path() + QStringLiteral("/outside");
        m_box->writeFile(outside + QStringLiteral("/keep.txt"), "original");
        QVERIFY(QFile::setPermissions(outside + QStringLiteral("/keep.txt"), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QDir().mkpath(updateDir());
        QProcess packer;
        packer.setWorkingDirectory(m_box->path());
        packer.setProcessChannelMode(QProcess::MergedChannels);
        packer.start(QStringLiteral("sh"), {QStringLiteral("-c"), QString::fromLocal8Bit(pack)});
        QVERIFY(packer.waitForFinished(30000));
        if (packer.exitCode() == 77)
            QSKIP("device nodes need root");
        QVERIFY2(packer.exitCode() == 0, packer.readAll().constData());
        const QString archive = m_box->path() + QStringLiteral("/packed.tar.gz");
        if (QFileInfo::exists(archive))
            QVERIFY(QFile::copy(archive, updateDir() + QStringLiteral("/update.tar.gz")));
        const QByteArray sum = QCryptographicHash::hash(TestSandbox::readFile(archive), QCryptographicHash::Md5).toHex();
        m_box->writeFile(updateDir() + QStringLiteral("/update.md5"), QByteArray(md5).replace("%1", sum));
        const QString missing = QString::fromLatin1(TestSandbox::readFile(m_box->path() + QStringLiteral("/missing-tool")).trimmed());
        if (!missing.isEmpty())
            hideTool(missing);

        const bool succeeded = runScript(QStringLiteral("installUpdate.sh"));

        QStringList expected{QStringLiteral("fbv [-i] [-c] [/tmp/wifi_updater/installingUpdate.png]"),
                             QStringLiteral("sleep [1]"), QStringLiteral("sync"),
                             QStringLiteral("fbv [-i] [-c] [/tmp/wifi_updater/updateFailed_checksum.png]")};
        if (!missing.isEmpty())
            expected.erase(expected.begin(), expected.begin() + 2);
        QCOMPARE(calls(), expected);
        QCOMPARE(snapshot(guiDir()), before);
        QVERIFY(!QFileInfo::exists(updateDir()));
        // Nothing landed beside the application directory either.
        QCOMPARE(guiEntries(), QStringList({QStringLiteral("nordel")}));
        QCOMPARE(snapshot(outside), Tree({{QStringLiteral("keep.txt"), QByteArray("original")}}));
        struct stat kept;
        QCOMPARE(::stat(QFile::encodeName(outside + QStringLiteral("/keep.txt")).constData(), &kept), 0);
        QCOMPARE(kept.st_mode & 07777, mode_t(0600));
        QVERIFY2(logLines().size() == 1 && lastLogLine().contains(QLatin1Char('\t') + result + QLatin1Char('\t')),
                 qPrintable(logLines().join(QLatin1Char('\n'))));
        // Whoever started the script learns that it failed.
        QVERIFY(!succeeded);
    }

    // MANIFEST lists the SHA-256 of every file and is signed; a provisioned
    // public key makes the signature and the list a condition.
    void signatureDecides_data()
    {
        QTest::addColumn<QString>("package");
        QTest::addColumn<bool>("provisioned");
        QTest::addColumn<bool>("installed");
        const struct {
            const char* name;
            bool withKey;
            bool withoutKey;
        } rows[] = {
            {"signed", true, true},
            {"unsigned, files listed", false, true},
            {"no MANIFEST", false, true},
            {"signature of other bytes", false, true},
            {"signed by another key", false, true},
            {"file changed after signing", false, false},
            {"file added after signing", false, false},
            {"listed file missing", false, false},
            {"signed, no files listed", false, true},
        };
        for (const auto& row : rows) {
            QTest::addRow("%s, key provisioned", row.name) << QString::fromLatin1(row.name) << true << row.withKey;
            QTest::addRow("%s, no key", row.name) << QString::fromLatin1(row.name) << false << row.withoutKey;
        }
    }

    void signatureDecides()
    {
        QFETCH(QString, package);
        QFETCH(bool, provisioned);
        QFETCH(bool, installed);
        writeArmUname();
        installApplication();
        const Tree before = snapshot(guiDir());
        if (provisioned)
            provisionKey(QStringLiteral("maker"));
        writeSource("new binary", package == QLatin1String("no MANIFEST")
                                      ? QByteArray()
                                      : QByteArray("product=nordel\nversion=2.0\narchitecture=armhf\nbuild=abc\n"));
        if (package == QLatin1String("signed, no files listed")) {
            sign();
        } else if (package != QLatin1String("no MANIFEST")) {
            signSource(package == QLatin1String("signed by another key") ? QStringLiteral("stranger")
                                                                       : QStringLiteral("maker"));
        }
        if (package.startsWith(QLatin1String("unsigned")))
            QFile::remove(source() + QStringLiteral("/MANIFEST.sig"));
        if (package == QLatin1String("signature of other bytes"))
            m_box->writeFile(source() + QStringLiteral("/MANIFEST"),
                             TestSandbox::readFile(source() + QStringLiteral("/MANIFEST")) + "version=9.9\n");
        if (package == QLatin1String("file changed after signing"))
            m_box->writeFile(source() + QStringLiteral("/nordel"), "planted binary");
        if (package == QLatin1String("file added after signing"))
            m_box->writeFile(source() + QStringLiteral("/conf/extra.sh"), "planted");
        if (package == QLatin1String("listed file missing"))
            QFile::remove(source() + QStringLiteral("/conf/languages.csv"));
        QVERIFY(placeUpdate(packSource()));

        QVERIFY2(runScript(QStringLiteral("installUpdate.sh")) == installed, m_output.constData());
        QVERIFY(!QFileInfo::exists(updateDir()));
        const QString line = lastLogLine();
        if (installed) {
            QCOMPARE(TestSandbox::readFile(guiDir() + QStringLiteral("/nordel")), QByteArray("new binary"));
            QVERIFY2(line.contains(QStringLiteral("\tinstalled\t")), qPrintable(line));
            return;
        }
        QCOMPARE(snapshot(guiDir()), before);
        QCOMPARE(guiEntries(), QStringList({QStringLiteral("nordel")}));
        QVERIFY2(line.contains(QStringLiteral("\trefused\t")), qPrintable(line));
        QCOMPARE(calls().value(calls().size() - 1), QStringLiteral("fbv [-i] [-c] [/tmp/wifi_updater/updateFailed_checksum.png]"));
    }

    void logKeepsItsLast200Lines()
    {
        QByteArray old;
        for (int n = 1; n <= 250; ++n)
            old += "earlier run " + QByteArray::number(n) + "\n";
        m_box->writeFile(m_box->devicePath(QStringLiteral("/home/GUI/update.log")), old);
        QVERIFY(!runScript(QStringLiteral("installUpdate.sh")));
        const QStringList lines = logLines();
        QCOMPARE(lines.size(), 200);
        QCOMPARE(lines.first(), QStringLiteral("earlier run 52"));
        const QStringList fields = lines.last().split(QLatin1Char('\t'));
        QCOMPARE(fields.size(), 7);
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$")).match(fields.at(0)).hasMatch(),
                 qPrintable(fields.at(0)));
        QCOMPARE(fields.mid(1), QStringList({QStringLiteral("refused"), QStringLiteral("update.tar.gz or update.md5 missing"),
                                             QStringLiteral("version=-"), QStringLiteral("build=-"),
                                             QStringLiteral("architecture=-"), QStringLiteral("sha256=-")}));
        // On disk before the end screen.
        QCOMPARE(calls().mid(calls().size() - 2),
                 QStringList({QStringLiteral("sync"), QStringLiteral("fbv [-i] [-c] [/tmp/wifi_updater/updateFailed_checksum.png]")}));
    }

private:
    QString log() const { return m_box->path() + QStringLiteral("/calls.log"); }
    QString noWifiFlag() const { return m_box->path() + QStringLiteral("/no-wifi"); }
    QString guiDir() const { return m_box->devicePath(QStringLiteral("/home/GUI/nordel")); }
    QString updateDir() const { return m_box->devicePath(QStringLiteral("/home/GUI/update")); }
    QString source() const { return m_box->path() + QStringLiteral("/src"); }

    // The logged calls with the sandbox root taken out, as on the unit.
    QStringList calls() const
    {
        QString text = QString::fromUtf8(TestSandbox::readFile(log()));
        text.replace(m_box->root(), QString());
        return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QStringList callsWithoutDhcp() const
    {
        QStringList all = calls();
        all.removeAll(QStringLiteral("udhcpd [/tmp/wifi_updater/udhcpd.conf]"));
        return all;
    }

    QStringList logLines() const
    {
        return QString::fromUtf8(TestSandbox::readFile(m_box->devicePath(QStringLiteral("/home/GUI/update.log"))))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QString lastLogLine() const
    {
        const QStringList lines = logLines();
        return lines.isEmpty() ? QString() : lines.last();
    }

    static QStringList accessPointSetUp(const QString& network = QStringLiteral("Lumora 0007"),
                                        const QString& key = pskKeys.value(7))
    {
        return {
            QStringLiteral("sleep [1]"),
            QStringLiteral("fbv [-i] [-c] [/tmp/wifi_updater/prepForUpdate.png]"),
            QStringLiteral("set_led.sh [5] [0]"),
            QStringLiteral("set_led.sh [6] [0]"),
            QStringLiteral("set_led.sh [7] [255]"),
            QStringLiteral("gpio.sh [42] [1]"),
            QStringLiteral("gpio.sh [43] [1]"),
            QStringLiteral("gpio.sh [51] [1]"),
            QStringLiteral("depmod [-a]"),
            QStringLiteral("modprobe [unifi_sdio] [sdio_clock=30000] [buswidth=4]"),
            QStringLiteral("sleep [5]"),
            QStringLiteral("iwpriv [wlan0] [AP_SET_CFG] [ASCII_CMD=AP_CFG,SSID=") + network
                + QStringLiteral(",SEC=wpa2-psk,KEY=") + key + QStringLiteral(",CHANNEL=1,PREAMBLE=0,MAX_SCB=8,END]"),
            QStringLiteral("iwpriv [wlan0] [AP_BSS_START]"),
            QStringLiteral("ifconfig [wlan0] [192.168.1.1] [netmask] [255.255.255.0]"),
            QStringLiteral("sleep [1]"),
            QStringLiteral("sleep [1]"),
            QStringLiteral("ifconfig [wlan0]"),
        };
    }

    QString shell() const
    {
        return toolSet().isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("sh"))
                                   : toolSet() + QStringLiteral("/sh");
    }

    // A tool of the set the script runs with.
    QByteArray realTool(const QString& name) const
    {
        const QString found = toolSet().isEmpty() ? QStandardPaths::findExecutable(name)
                                                  : QStandardPaths::findExecutable(name, {toolSet()});
        return QFile::encodeName(found);
    }

    QProcessEnvironment scriptEnvironment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("NORDEL_DEVICE_ROOT"), m_box->root());
        environment.insert(QStringLiteral("PATH"), QFile::decodeName(m_path));
        return environment;
    }

    bool runScript(const QString& name, const QStringList& arguments = {})
    {
        QProcess process;
        process.setProcessEnvironment(scriptEnvironment());
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(shell(), QStringList({m_box->devicePath(QStringLiteral("/tmp/wifi_updater/")) + name}) + arguments);
        if (!process.waitForFinished(60000))
            return false;
        m_output = process.readAll();
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    void installApplication(QString folder = QString())
    {
        if (folder.isEmpty())
            folder = guiDir();
        m_box->writeFile(folder + QStringLiteral("/nordel"), "old binary");
        m_box->writeFile(folder + QStringLiteral("/old-only.txt"), "old");
        m_box->writeFile(folder + QStringLiteral("/conf/languages.csv"), "old texts");
        m_box->writeFile(folder + QStringLiteral("/.settings"), "old hidden");
    }

    // The application directory and whatever the install left beside it.
    QStringList guiEntries() const
    {
        return QDir(m_box->devicePath(QStringLiteral("/home/GUI")))
            .entryList({QStringLiteral("nordel*")}, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                       QDir::Name);
    }

    // The unit's kernel reports a 32-bit ARM machine.
    void writeArmUname() const
    {
        m_box->writeStub(QStringLiteral("uname"), "if [ \"$1\" = -m ]; then echo armv7l; else echo Linux; fi\n");
    }

    // An mv as BusyBox's before 1.34: no -T.
    void writeMvWithoutT() const
    {
        m_box->writeStub(QStringLiteral("mv"), "for a in \"$@\"; do case \"$a\" in --*) ;; -*T*) exit 1 ;; esac; done\n"
                                               "exec '" + realTool(QStringLiteral("mv")) + "' \"$@\"\n");
    }

    // The script's tools without one: PATH is the stubs and a folder of the
    // others.
    void hideTool(const QString& name)
    {
        const QString folder = m_box->path() + QStringLiteral("/tools");
        QDir().mkpath(folder);
        for (const QString& tool : scriptTools()) {
            if (tool != name && !realTool(tool).isEmpty())
                QFile::link(QFile::decodeName(realTool(tool)), folder + QLatin1Char('/') + tool);
        }
        m_path = QFile::encodeName(m_box->binDir() + QLatin1Char(':') + folder);
    }

    void provisionKey(const QString& name) const
    {
        const QString key = m_box->devicePath(QStringLiteral("/home/GUI/conf/update-key.pem"));
        QDir().mkpath(QFileInfo(key).absolutePath());
        QVERIFY(QFile::copy(m_keys.path() + QLatin1Char('/') + name + QStringLiteral(".pub"), key));
    }

    // The files of an update as the PC tool packs them: the application
    // folder's contents, with the link switch unless the tool set has mv -T.
    void writeSource(const QByteArray& binary, const QByteArray& manifest = QByteArray())
    {
        QDir(source()).removeRecursively();
        m_box->writeFile(source() + QStringLiteral("/nordel"), binary);
        if (!manifest.isEmpty())
            m_box->writeFile(source() + QStringLiteral("/MANIFEST"), manifest);
        m_box->writeFile(source() + QStringLiteral("/conf/languages.csv"), "new texts");
        m_box->writeFile(source() + QStringLiteral("/.settings"), "new hidden");
        if (m_packHelper) {
            QFile::copy(m_helper, source() + QStringLiteral("/switchlink"));
            QFile::setPermissions(source() + QStringLiteral("/switchlink"),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        }
    }

    // Adds the SHA-256 of every file to MANIFEST and signs it with a key.
    void signSource(const QString& key)
    {
        QByteArray manifest = TestSandbox::readFile(source() + QStringLiteral("/MANIFEST"));
        QDirIterator it(source(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString name = QDir(source()).relativeFilePath(path);
            if (name != QLatin1String("MANIFEST"))
                manifest += "sha256="
                    + QCryptographicHash::hash(TestSandbox::readFile(path), QCryptographicHash::Sha256).toHex() + "  "
                    + QFile::encodeName(name) + "\n";
        }
        m_box->writeFile(source() + QStringLiteral("/MANIFEST"), manifest);
        sign(key);
    }

    void sign(const QString& key = QStringLiteral("maker")) const
    {
        QVERIFY(run(m_openssl, {QStringLiteral("dgst"), QStringLiteral("-sha256"), QStringLiteral("-sign"),
                                m_keys.path() + QLatin1Char('/') + key + QStringLiteral(".pem"), QStringLiteral("-out"),
                                source() + QStringLiteral("/MANIFEST.sig"), source() + QStringLiteral("/MANIFEST")}));
    }

    QString stepsDir() const { return m_box->path() + QStringLiteral("/steps"); }
    QString killAtFile() const { return m_box->path() + QStringLiteral("/kill-at"); }
    QString pidFile() const { return m_box->path() + QStringLiteral("/script.pid"); }
    int stepsTaken() const { return int(QDir(stepsDir()).entryList(QDir::Files).size()); }

    // Every program the install script may start, stubs and real ones, counts
    // itself as one step and kills the script at the chosen step instead of
    // running. A step claims its number by creating the file of that name
    // exclusively (noclobber), so the members of a pipeline never share one;
    // shell built-ins only, so a step costs no extra process.
    void writeStepStubs() const
    {
        const QByteArray step = "set -C\nn=1\nuntil true 2>/dev/null > '" + QFile::encodeName(stepsDir())
            + "'/$n; do n=$((n + 1)); done\nset +C\nread k < '" + QFile::encodeName(killAtFile())
            + "'\nif [ \"$n\" -eq \"$k\" ]; then read p < '" + QFile::encodeName(pidFile())
            + "'; kill -KILL \"$p\"; exit 137; fi\n";
        for (const QString& name : scriptTools()) {
            const QString stub = m_box->binDir() + QLatin1Char('/') + name;
            const QByteArray target = QFileInfo::exists(stub) ? TestSandbox::readFile(stub).mid(10)
                                                              : "exec '" + realTool(name) + "' \"$@\"\n";
            m_box->writeStub(name, step + target);
        }
        for (const char* name : {"fbv", "sleep", "sync"})
            m_box->writeStub(QString::fromLatin1(name), step + recorder(name, log()));
    }

    // Runs the install script, killed at step killAt (never when below 1);
    // true when it ran to the end and succeeded.
    bool runKillable(const QString& sh, int killAt)
    {
        QDir(stepsDir()).removeRecursively();
        QDir().mkpath(stepsDir());
        m_box->writeFile(killAtFile(), QByteArray::number(killAt));
        QProcess process;
        process.setProcessEnvironment(scriptEnvironment());
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(sh, {QStringLiteral("-c"), QStringLiteral("echo $$ > '%1'; exec '%2' '%3'")
                                                     .arg(pidFile(), sh,
                                                          m_box->devicePath(QStringLiteral("/tmp/wifi_updater/installUpdate.sh")))});
        if (!process.waitForFinished(60000))
            return false;
        m_output = process.readAll();
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    QByteArray tarArchive(const QStringList& members)
    {
        const QString archive = m_box->path() + QStringLiteral("/packed.tar.gz");
        QFile::remove(archive);
        QByteArray output;
        if (!run(QStringLiteral("tar"), QStringList({QStringLiteral("-czf"), archive}) + members, &output))
            qWarning("tar failed: %s", output.constData());
        m_lastArchive = archive;
        return TestSandbox::readFile(archive);
    }

    QByteArray packSource() { return tarArchive({QStringLiteral("-C"), source(), QStringLiteral(".")}); }

    QByteArray packUpdate(const QByteArray& binary = "new binary", const QByteArray& manifest = QByteArray())
    {
        writeSource(binary, manifest);
        return packSource();
    }

    // Places update.tar.gz (unless archive is empty) and update.md5 as the
    // PC tool does.
    bool placeUpdate(const QByteArray& archive)
    {
        QDir().mkpath(updateDir());
        if (!archive.isEmpty())
            m_box->writeFile(updateDir() + QStringLiteral("/update.tar.gz"), archive);
        const QByteArray checksum = QCryptographicHash::hash(archive, QCryptographicHash::Md5).toHex();
        m_box->writeFile(updateDir() + QStringLiteral("/update.md5"), checksum + "  update.tar.gz\n");
        return QFileInfo::exists(updateDir() + QStringLiteral("/update.md5"));
    }

    QTemporaryDir m_keys;
    QString m_openssl;
    QString m_helper;
    bool m_packHelper = true;
    QByteArray m_path;
    QString m_lastArchive;
    QScopedPointer<TestSandbox> m_box;
    QByteArray m_output;
};

QTEST_MAIN(UpdateScriptsTest)
#include "updatescriptstest.moc"
