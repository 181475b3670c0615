#include "support/TestSandbox.h"
#include "updater/FieldLoaderCommand.h"
#include "updater/PskKeys.h"
#include "updater/WifiUpdate.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {
const QRect codeRect(QPoint(245, 131), QPoint(396, 187));

const QStringList copiedFiles = {
    QStringLiteral("prepForUpdate.png"),     QStringLiteral("installingUpdate.png"),
    QStringLiteral("updateFailed_noWifi.png"), QStringLiteral("updateFailed_checksum.png"),
    QStringLiteral("updateCompleate.png"),   QStringLiteral("udhcpd.conf"),
    QStringLiteral("startWifi.sh"),          QStringLiteral("installUpdate.sh"),
};

// A stand-in for "sh" that records its arguments, one per line, and the
// device root it was handed, instead of running the access-point script.
void writeShStub(const TestSandbox& box)
{
    box.writeStub(QStringLiteral("sh"),
                  "log=\"$(dirname \"$0\")/../sh.log\"\n"
                  "for a in \"$@\"; do echo \"$a\" >> \"$log.tmp\"; done\n"
                  "echo \"root=$NORDEL_DEVICE_ROOT\" >> \"$log.tmp\"\n"
                  "mv \"$log.tmp\" \"$log\"\n");
}

QString shLog(const TestSandbox& box)
{
    return box.path() + QStringLiteral("/sh.log");
}

QStringList recordedShCall(const TestSandbox& box)
{
    return QString::fromUtf8(TestSandbox::readFile(shLog(box))).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString workFile(const TestSandbox& box, const QString& name)
{
    return box.devicePath(QStringLiteral("/tmp/wifi_updater/") + name);
}

// Pixels that differ between two images of the same size, split by whether
// they lie inside rect.
void countChanges(const QImage& a, const QImage& b, const QRect& rect, int* inside, int* outside)
{
    *inside = 0;
    *outside = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                ++(rect.contains(x, y) ? *inside : *outside);
        }
    }
}

int brightPixels(const QImage& image, const QRect& rect)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (QColor(image.pixel(x, y)).lightness() > 200)
                ++count;
        }
    }
    return count;
}
}

class FieldLoaderTest : public QObject {
    Q_OBJECT
private slots:
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<unsigned int>("code");

        const int start = FieldLoaderCommand::START_UPDATE;
        const int reject = FieldLoaderCommand::REJECT_CODE;
        QTest::newRow("no argument: random") << QStringList() << start << 4321u;
        QTest::newRow("two arguments: random") << QStringList({"7", "8"}) << start << 4321u;
        QTest::newRow("two arguments with -v: random") << QStringList({"-v", "8"}) << start << 4321u;
        QTest::newRow("-v") << QStringList({"-v"}) << int(FieldLoaderCommand::PRINT_VERSION) << 0u;
        QTest::newRow("7") << QStringList({"7"}) << start << 7u;
        QTest::newRow("leading zeros") << QStringList({"0042"}) << start << 42u;
        QTest::newRow("highest code") << QStringList({"9999"}) << start << 9999u;
        QTest::newRow("not a number") << QStringList({"abc"}) << start << 0u;
        QTest::newRow("number with trailing text") << QStringList({"7abc"}) << start << 0u;
        QTest::newRow("empty") << QStringList({""}) << start << 0u;
        QTest::newRow("negative") << QStringList({"-5"}) << start << 0u;
        QTest::newRow("--version is no option") << QStringList({"--version"}) << start << 0u;
        QTest::newRow("first code past the table") << QStringList({"10000"}) << reject << 10000u;
        QTest::newRow("too large for unsigned") << QStringList({"99999999999999999999"}) << reject << 0u;
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(unsigned int, code);
        const FieldLoaderCommand command = FieldLoaderCommand::fromArguments(arguments, 4321u);
        QCOMPARE(int(command.action()), action);
        if (command.action() == FieldLoaderCommand::REJECT_CODE) {
            QVERIFY(command.error().contains(QLatin1String("out of range")));
        } else {
            QVERIFY(command.error().isEmpty());
            if (command.action() == FieldLoaderCommand::START_UPDATE)
                QCOMPARE(command.code(), code);
        }
    }

    void codeAndNetworkName()
    {
        QCOMPARE(codeText(0), QStringLiteral("0000"));
        QCOMPARE(codeText(7), QStringLiteral("0007"));
        QCOMPARE(codeText(42), QStringLiteral("0042"));
        QCOMPARE(codeText(9999), QStringLiteral("9999"));
        // Longer numbers are shown whole, never cut to four digits.
        QCOMPARE(codeText(12345), QStringLiteral("12345"));
        QCOMPARE(ssidForCode(42), QStringLiteral("Lumora 0042"));
    }

    void randomCodesStayBelow9999()
    {
        // Every millisecond of a day is a possible seed; sample them densely
        // and at the ends.
        QSet<unsigned int> seen;
        for (unsigned int seed = 0; seed < 86400000u; seed += 997u) {
            const unsigned int code = randomCodeFromSeed(seed);
            QVERIFY2(code <= 9998u, qPrintable(QStringLiteral("seed %1 gave %2").arg(seed).arg(code)));
            seen.insert(code);
        }
        QVERIFY(randomCodeFromSeed(86399999u) <= 9998u);
        QCOMPARE(randomCodeFromSeed(12345u), randomCodeFromSeed(12345u));
        // Spread over the range, not stuck on a few values.
        QVERIFY(seen.size() > 9000);
        QVERIFY(randomCode() <= 9998u);
        QVERIFY(randomCode() <= 9998u);
    }

    void keyTable()
    {
        QCOMPARE(pskKeys.size(), 10000);
        static const QRegularExpression hexKey(QStringLiteral("^[0-9a-f]{64}$"));
        QSet<QString> distinct;
        for (const QString& key : pskKeys) {
            QVERIFY2(hexKey.match(key).hasMatch(), qPrintable(key));
            distinct.insert(key);
        }
        QCOMPARE(distinct.size(), 10000);
        QCOMPARE(pskKeyForCode(7), pskKeys.at(7));
        QCOMPARE(pskKeyForCode(9999), pskKeys.at(9999));
        QVERIFY(pskKeyForCode(10000).isEmpty());
        QVERIFY(pskKeyForCode(4294967295u).isEmpty());
    }

    void copiesEveryFileAndDrawsTheCode()
    {
        TestSandbox box;
        QVERIFY(copyWifiUpdaterFilesToTmp(7));
        for (const QString& name : copiedFiles)
            QVERIFY2(QFile::exists(workFile(box, name)), qPrintable(name));
        QCOMPARE(TestSandbox::readFile(workFile(box, QStringLiteral("startWifi.sh"))),
                 TestSandbox::readFile(QStringLiteral(":/scrips/startWifi.sh")));
        QCOMPARE(TestSandbox::readFile(workFile(box, QStringLiteral("udhcpd.conf"))),
                 TestSandbox::readFile(QStringLiteral(":/configs/udhcpd.conf")));

        // The code is drawn with the shipped font, not a fallback.
        QCOMPARE(QFontInfo(QFont(QStringLiteral("Source Sans Pro Semibold"))).family(),
                 QStringLiteral("Source Sans Pro Semibold"));

        const QImage blank = QImage(QStringLiteral(":/images/readyForUpdate.png")).convertToFormat(QImage::Format_RGB32);
        const QImage ready = QImage(workFile(box, QStringLiteral("readyForUpdate.png"))).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(ready.size(), QSize(480, 272));
        int inside = 0;
        int outside = 0;
        countChanges(blank, ready, codeRect, &inside, &outside);
        QCOMPARE(outside, 0);
        // Four digits of a 50 pt semibold face leave a good deal of white ink.
        QVERIFY2(brightPixels(ready, codeRect) > 800, qPrintable(QString::number(brightPixels(ready, codeRect))));
        QCOMPARE(brightPixels(blank, codeRect), 0);
        // The ink is centred in the rectangle.
        int left = codeRect.right();
        int right = codeRect.left();
        for (int y = codeRect.top(); y <= codeRect.bottom(); ++y) {
            for (int x = codeRect.left(); x <= codeRect.right(); ++x) {
                if (QColor(ready.pixel(x, y)).lightness() > 200) {
                    left = qMin(left, x);
                    right = qMax(right, x);
                }
            }
        }
        QVERIFY(left > codeRect.left() && right < codeRect.right());
        QVERIFY2(qAbs((left - codeRect.left()) - (codeRect.right() - right)) <= 4,
                 qPrintable(QStringLiteral("ink from %1 to %2").arg(left).arg(right)));
    }

    void secondRunRedrawsOnlyTheReadyScreen()
    {
        TestSandbox box;
        QVERIFY(copyWifiUpdaterFilesToTmp(7));
        const QByteArray first = TestSandbox::readFile(workFile(box, QStringLiteral("readyForUpdate.png")));
        box.writeFile(workFile(box, QStringLiteral("startWifi.sh")), "# older copy\n");
        box.writeFile(workFile(box, QStringLiteral("updateCompleate.png")), "older");

        copyWifiUpdaterFilesToTmp(8);
        const QByteArray second = TestSandbox::readFile(workFile(box, QStringLiteral("readyForUpdate.png")));
        QVERIFY(!second.isEmpty());
        QVERIFY(first != second);
        QCOMPARE(TestSandbox::readFile(workFile(box, QStringLiteral("startWifi.sh"))), QByteArray("# older copy\n"));
        QCOMPARE(TestSandbox::readFile(workFile(box, QStringLiteral("updateCompleate.png"))), QByteArray("older"));

        // Drawing the same code again gives the same picture as a first run.
        copyWifiUpdaterFilesToTmp(7);
        QCOMPARE(TestSandbox::readFile(workFile(box, QStringLiteral("readyForUpdate.png"))), first);
    }

    void startsTheScriptWithNetworkNameAndKey()
    {
        TestSandbox box;
        writeShStub(box);
        QVERIFY(startWifiUpdate(7));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(shLog(box)), 10000);
        QCOMPARE(recordedShCall(box),
                 QStringList({workFile(box, QStringLiteral("startWifi.sh")), QStringLiteral("Lumora 0007"),
                              pskKeys.at(7), QStringLiteral("root=") + box.root()}));
        QVERIFY(QFile::exists(workFile(box, QStringLiteral("startWifi.sh"))));
    }

    void codeWithoutKeyStartsNothing()
    {
        TestSandbox box;
        writeShStub(box);
        QVERIFY(!startWifiUpdate(10000));
        QVERIFY(!copyWifiUpdaterFilesToTmp(10000));
        QTest::qWait(200);
        QVERIFY(!QFile::exists(shLog(box)));
        QVERIFY(!QDir(box.devicePath(QStringLiteral("/tmp/wifi_updater"))).exists());
    }

    // The built program, run as on the unit.
    void program_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("network");
        QTest::addColumn<int>("keyIndex");

        QTest::newRow("7") << QStringList({"7"}) << QStringLiteral("Lumora 0007") << 7;
        QTest::newRow("not a number") << QStringList({"abc"}) << QStringLiteral("Lumora 0000") << 0;
        QTest::newRow("highest code") << QStringList({"9999"}) << QStringLiteral("Lumora 9999") << 9999;
        QTest::newRow("random") << QStringList() << QString() << -1;
    }

    void program()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, network);
        QFETCH(int, keyIndex);
        TestSandbox box;
        writeShStub(box);
        QProcess process;
        runProgram(process, box, arguments);
        QCOMPARE(process.exitCode(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(shLog(box)), 10000);
        const QStringList call = recordedShCall(box);
        QCOMPARE(call.size(), 4);
        QCOMPARE(call.at(0), workFile(box, QStringLiteral("startWifi.sh")));
        if (keyIndex >= 0) {
            QCOMPARE(call.at(1), network);
            QCOMPARE(call.at(2), pskKeys.at(keyIndex));
        } else {
            const QRegularExpressionMatch m
                = QRegularExpression(QStringLiteral("^Lumora ([0-9]{4})$")).match(call.at(1));
            QVERIFY2(m.hasMatch(), qPrintable(call.at(1)));
            const int code = m.captured(1).toInt();
            QVERIFY(code <= 9998);
            QCOMPARE(call.at(2), pskKeys.at(code));
        }
        for (const QString& name : copiedFiles)
            QVERIFY2(QFile::exists(workFile(box, name)), qPrintable(name));
        QVERIFY(QFile::exists(workFile(box, QStringLiteral("readyForUpdate.png"))));
    }

    void programPrintsVersionAndStartsNothing()
    {
        TestSandbox box;
        writeShStub(box);
        QProcess process;
        // No display of any kind: the answer must not need one.
        runProgram(process, box, {QStringLiteral("-v")}, NoDisplay);
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(process.readAllStandardOutput(), QByteArray("1.0.1\n"));
        QTest::qWait(300);
        QVERIFY(!QFile::exists(shLog(box)));
        QVERIFY(!QDir(box.devicePath(QStringLiteral("/tmp/wifi_updater"))).exists());
    }

    void programRejectsCodesPastTheTable()
    {
        TestSandbox box;
        writeShStub(box);
        QProcess process;
        runProgram(process, box, {QStringLiteral("10000")});
        QVERIFY(process.exitCode() != 0);
        QVERIFY(process.readAllStandardOutput().isEmpty());
        QVERIFY(process.readAllStandardError().contains("out of range"));
        QTest::qWait(300);
        QVERIFY(!QFile::exists(shLog(box)));
        QVERIFY(!QDir(box.devicePath(QStringLiteral("/tmp/wifi_updater"))).exists());
    }

private:
    enum display_t { Offscreen, NoDisplay };

    void runProgram(QProcess& process, const TestSandbox& box, const QStringList& arguments,
                    display_t display = Offscreen)
    {
        const QString program = qEnvironmentVariable("NORDEL_BINARY_DIR") + QStringLiteral("/updater/fieldloader");
        QVERIFY2(QFile::exists(program), qPrintable(program));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("NORDEL_DEVICE_ROOT"), box.root());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (display == NoDisplay) {
            for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
                environment.remove(QString::fromLatin1(name));
        }
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    }
};

QTEST_MAIN(FieldLoaderTest)
#include "fieldloadertest.moc"
