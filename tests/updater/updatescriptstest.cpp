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
#include <QStandardPaths>
#include <QtTest>

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
}

// Runs the launcher's real scripts with sh in a sandbox device root. The
// unit's programs are stubs on PATH that log their calls; md5sum and tar are
// the real ones.
class UpdateScriptsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
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
        QVERIFY(runScript(QStringLiteral("installUpdate.sh")));

        // Flushed once before the switch to the new application, once after.
        QCOMPARE(calls(), QStringList({QStringLiteral("fbv [-i] [-c] [/tmp/wifi_updater/installingUpdate.png]"),
                                       QStringLiteral("sleep [1]"), QStringLiteral("sync"), QStringLiteral("sync"),
                                       QStringLiteral("fbv [-i] [-c] [/tmp/wifi_updater/updateCompleate.png]"),
                                       QStringLiteral("set_led.sh [5] [255]"), QStringLiteral("set_led.sh [6] [0]"),
                                       QStringLiteral("set_led.sh [7] [0]")}));
        const Tree installed = snapshot(guiDir());
        QCOMPARE(installed.value(QStringLiteral("nordel")), QByteArray("new binary"));
        QCOMPARE(installed.value(QStringLiteral("conf/languages.csv")), QByteArray("new texts"));
        QCOMPARE(installed.value(QStringLiteral(".settings")), QByteArray("new hidden"));
        QVERIFY(!installed.contains(QStringLiteral("old-only.txt")));
        QVERIFY(!installed.contains(QStringLiteral("staging/nordel")));
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
    }

    void linkSwitchesWhereMvLacksT()
    {
        const QByteArray mv = QFile::encodeName(QStandardPaths::findExecutable(QStringLiteral("mv")));
        m_box->writeStub(QStringLiteral("mv"), "for a in \"$@\"; do [ \"$a\" != -T ] || exit 1; done\nexec '" + mv
                                                   + "' \"$@\"\n");
        installApplication();
        for (const char* binary : {"first binary", "second binary"}) {
            QVERIFY(placeUpdate(packUpdate(binary)));
            QVERIFY(runScript(QStringLiteral("installUpdate.sh")));
            QCOMPARE(TestSandbox::readFile(guiDir() + QStringLiteral("/nordel")), QByteArray(binary));
            QVERIFY(QFileInfo(guiDir()).isSymLink());
            QCOMPARE(guiEntries().size(), 2);
        }
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
            return;
        }
        QCOMPARE(snapshot(guiDir()), before);
        QCOMPARE(guiEntries(), QStringList({QStringLiteral("nordel")}));
        QCOMPARE(calls().last(), QStringLiteral("fbv [-i] [-c] [/tmp/wifi_updater/updateFailed_checksum.png]"));
    }

    // Every program the script starts is a step; the script is killed at each
    // step in turn. Each time the application directory must hold the old or
    // the new application, whole, and a new run must still install.
    void killedAtAnyStepLeavesOneCompleteApplication_data()
    {
        QTest::addColumn<bool>("linked");
        QTest::newRow("plain directory of an older installer") << false;
        QTest::newRow("link left by an earlier update") << true;
    }

    void killedAtAnyStepLeavesOneCompleteApplication()
    {
        QFETCH(bool, linked);
        writeArmUname();
        const QByteArray manifest("product=nordel\narchitecture=armhf\n");
        const QByteArray archive = packUpdate("new binary", manifest);
        const Tree newTree = snapshot(m_box->path() + QStringLiteral("/update-source"));
        const QString sh = QStandardPaths::findExecutable(QStringLiteral("sh"));
        QVERIFY(!sh.isEmpty());
        writeStepStubs();

        int steps = -1;
        int missing = 0;
        for (int killAt = 0; steps < 0 || killAt <= steps; ++killAt) {
            const QString at = QStringLiteral("kill at step %1").arg(killAt);
            QDir(m_box->devicePath(QStringLiteral("/home/GUI"))).removeRecursively();
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
                QVERIFY(finished);
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
            QVERIFY2(runKillable(sh, -1), qPrintable(at));
            QVERIFY2(snapshot(guiDir()) == newTree, qPrintable(at));
            QVERIFY2(guiEntries().size() == 2, qPrintable(at + QLatin1Char(' ') + guiEntries().join(QLatin1Char(' '))));
        }
        QCOMPARE(missing, linked ? 0 : 1);
    }

    void badUpdateKeepsTheApplication_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("checksum mismatch") << QStringLiteral("checksum");
        QTest::newRow("truncated archive, matching checksum") << QStringLiteral("truncated");
        QTest::newRow("archive that fails to unpack, matching checksum") << QStringLiteral("unpack");
        QTest::newRow("no archive at all") << QStringLiteral("missing");
        QTest::newRow("member climbing out with ..") << QStringLiteral("dotdot");
        QTest::newRow("member with an absolute path") << QStringLiteral("absolute");
    }

    void badUpdateKeepsTheApplication()
    {
        QFETCH(QString, damage);
        installApplication();
        const Tree before = snapshot(guiDir());
        const QString outside = m_box->path() + QStringLiteral("/outside/absolute.txt");

        QByteArray archive = packUpdate();
        QByteArray checksum;
        if (damage == QLatin1String("checksum")) {
            checksum = QCryptographicHash::hash("something else", QCryptographicHash::Md5).toHex();
        } else if (damage == QLatin1String("truncated")) {
            archive.truncate(archive.size() / 2);
        } else if (damage == QLatin1String("unpack")) {
            // "a" as a file, then "a/b" below it: lists fine, cannot unpack.
            m_box->writeFile(m_box->path() + QStringLiteral("/s1/a"), "file");
            m_box->writeFile(m_box->path() + QStringLiteral("/s2/a/b"), "below a file");
            archive = tarArchive({QStringLiteral("-C"), m_box->path() + QStringLiteral("/s1"), QStringLiteral("a"),
                                  QStringLiteral("-C"), m_box->path() + QStringLiteral("/s2"), QStringLiteral("a/b")});
        } else if (damage == QLatin1String("dotdot")) {
            m_box->writeFile(m_box->path() + QStringLiteral("/s1/escaped.txt"), "escaped");
            m_box->writeFile(m_box->path() + QStringLiteral("/s2/nordel"), "new binary");
            archive = tarArchive({QStringLiteral("-P"), QStringLiteral("-C"), m_box->path() + QStringLiteral("/s2"),
                                  QStringLiteral("nordel"), QStringLiteral("../s1/escaped.txt")});
        } else if (damage == QLatin1String("absolute")) {
            m_box->writeFile(outside, "from the archive");
            archive = tarArchive({QStringLiteral("-P"), outside});
            m_box->writeFile(outside, "original");
        }
        QVERIFY(!archive.isEmpty());
        if (checksum.isEmpty())
            checksum = QCryptographicHash::hash(archive, QCryptographicHash::Md5).toHex();
        QVERIFY(placeUpdate(damage == QLatin1String("missing") ? QByteArray() : archive, checksum));

        const bool succeeded = runScript(QStringLiteral("installUpdate.sh"));

        QCOMPARE(calls(), QStringList({QStringLiteral("fbv [-i] [-c] [/tmp/wifi_updater/installingUpdate.png]"),
                                       QStringLiteral("sleep [1]"),
                                       QStringLiteral("fbv [-i] [-c] [/tmp/wifi_updater/updateFailed_checksum.png]")}));
        QCOMPARE(snapshot(guiDir()), before);
        QVERIFY(!QFileInfo::exists(updateDir()));
        // Nothing landed beside the application directory either.
        QCOMPARE(QDir(m_box->devicePath(QStringLiteral("/home/GUI"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({QStringLiteral("nordel")}));
        if (damage == QLatin1String("absolute"))
            QCOMPARE(TestSandbox::readFile(outside), QByteArray("original"));
        // Whoever started the script learns that it failed.
        QVERIFY(!succeeded);
    }

private:
    QString log() const { return m_box->path() + QStringLiteral("/calls.log"); }
    QString noWifiFlag() const { return m_box->path() + QStringLiteral("/no-wifi"); }
    QString guiDir() const { return m_box->devicePath(QStringLiteral("/home/GUI/nordel")); }
    QString updateDir() const { return m_box->devicePath(QStringLiteral("/home/GUI/update")); }

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

    bool runScript(const QString& name, const QStringList& arguments = {})
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("NORDEL_DEVICE_ROOT"), m_box->root());
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral("sh"),
                      QStringList({m_box->devicePath(QStringLiteral("/tmp/wifi_updater/")) + name}) + arguments);
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

    QStringList guiEntries() const
    {
        return QDir(m_box->devicePath(QStringLiteral("/home/GUI")))
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    }

    // The unit's kernel reports a 32-bit ARM machine.
    void writeArmUname() const
    {
        m_box->writeStub(QStringLiteral("uname"), "if [ \"$1\" = -m ]; then echo armv7l; else echo Linux; fi\n");
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
        auto real = [](const char* name) {
            return QFile::encodeName(QStandardPaths::findExecutable(QString::fromLatin1(name)));
        };
        const QByteArray step = "set -C\nn=1\nuntil true 2>/dev/null > '" + QFile::encodeName(stepsDir())
            + "'/$n; do n=$((n + 1)); done\nset +C\nread k < '" + QFile::encodeName(killAtFile())
            + "'\nif [ \"$n\" -eq \"$k\" ]; then read p < '" + QFile::encodeName(pidFile())
            + "'; kill -KILL \"$p\"; exit 137; fi\n";
        for (const char* name : {"md5sum", "tar", "grep", "head", "sed", "readlink", "rm", "mkdir", "chmod", "ln",
                                 "mv", "sh", "uname"}) {
            const QString stub = m_box->binDir() + QLatin1Char('/') + QLatin1String(name);
            const QByteArray target = QFileInfo::exists(stub) ? TestSandbox::readFile(stub).mid(10)
                                                              : "exec '" + real(name) + "' \"$@\"\n";
            m_box->writeStub(QString::fromLatin1(name), step + target);
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
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("NORDEL_DEVICE_ROOT"), m_box->root());
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(sh, {QStringLiteral("-c"), QStringLiteral("echo $$ > '%1'; exec '%2' '%3'")
                                                     .arg(pidFile(), sh,
                                                          m_box->devicePath(QStringLiteral("/tmp/wifi_updater/installUpdate.sh")))});
        if (!process.waitForFinished(60000))
            return false;
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    QByteArray tarArchive(const QStringList& members)
    {
        const QString archive = m_box->path() + QStringLiteral("/packed.tar.gz");
        QFile::remove(archive);
        QByteArray output;
        if (!run(QStringLiteral("tar"), QStringList({QStringLiteral("-czf"), archive}) + members, &output))
            qWarning("tar failed: %s", output.constData());
        return TestSandbox::readFile(archive);
    }

    // An update as the PC tool packs it: the application folder's contents.
    QByteArray packUpdate(const QByteArray& binary = "new binary", const QByteArray& manifest = QByteArray())
    {
        const QString source = m_box->path() + QStringLiteral("/update-source");
        QDir(source).removeRecursively();
        m_box->writeFile(source + QStringLiteral("/nordel"), binary);
        if (!manifest.isEmpty())
            m_box->writeFile(source + QStringLiteral("/MANIFEST"), manifest);
        m_box->writeFile(source + QStringLiteral("/conf/languages.csv"), "new texts");
        m_box->writeFile(source + QStringLiteral("/.settings"), "new hidden");
        return tarArchive({QStringLiteral("-C"), source, QStringLiteral(".")});
    }

    // Places update.tar.gz (unless archive is empty) and update.md5 as the
    // PC tool does.
    bool placeUpdate(const QByteArray& archive, QByteArray checksum = QByteArray())
    {
        QDir().mkpath(updateDir());
        if (!archive.isEmpty())
            m_box->writeFile(updateDir() + QStringLiteral("/update.tar.gz"), archive);
        if (checksum.isEmpty())
            checksum = QCryptographicHash::hash(archive, QCryptographicHash::Md5).toHex();
        m_box->writeFile(updateDir() + QStringLiteral("/update.md5"), checksum + "  update.tar.gz\n");
        return QFileInfo::exists(updateDir() + QStringLiteral("/update.md5"));
    }

    QScopedPointer<TestSandbox> m_box;
    QByteArray m_output;
};

QTEST_MAIN(UpdateScriptsTest)
#include "updatescriptstest.moc"
