#include "support/TestSandbox.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace {
QByteArray developmentKey(int code)
{
    // Any 64-digit lower-case key will do; make them distinct per code.
    return QByteArray::number(code).rightJustified(64, 'a');
}

QByteArray table(int count)
{
    QByteArray text;
    for (int code = 0; code < count; ++code)
        text += developmentKey(code) + '\n';
    return text;
}
}

// The build turns the provisioning file of Wi-Fi keys into the launcher's
// table and must refuse a file that could not pair units with the PC tool.
class KeyTableTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_cmake = QStandardPaths::findExecutable(QStringLiteral("cmake"));
        if (m_cmake.isEmpty())
            QSKIP("cmake is not on PATH");
        m_scripts = qEnvironmentVariable("NORDEL_SOURCE_DIR") + QStringLiteral("/updater/keys/");
        QVERIFY(QFile::exists(m_scripts + QStringLiteral("WriteKeyTable.cmake")));
    }

    void developmentTableIsAccepted()
    {
        TestSandbox box;
        const QString keys = box.path() + QStringLiteral("/keys.txt");
        QVERIFY(cmake({QStringLiteral("-DOUT=") + keys}, QStringLiteral("GenerateDevelopmentKeys.cmake")));
        const QByteArray first = TestSandbox::readFile(keys);
        QCOMPARE(first.count('\n'), 10000);
        // Deterministic: every build and the PC tool's test setup agree.
        QVERIFY(cmake({QStringLiteral("-DOUT=") + keys}, QStringLiteral("GenerateDevelopmentKeys.cmake")));
        QCOMPARE(TestSandbox::readFile(keys), first);

        const QString source = box.path() + QStringLiteral("/PskKeyTable.cpp");
        QVERIFY2(writeTable(keys, source), m_output.constData());
        const QByteArray cpp = TestSandbox::readFile(source);
        QCOMPARE(cpp.count("\",\n"), 10000);
        QVERIFY(cpp.contains(first.left(64)));
    }

    void badTablesStopTheBuild_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("message");

        const QByteArray good = table(10000);
        QByteArray upper = good;
        upper.replace(64 * 5 + 5 * 1, 1, "A"); // inside the key of code 5
        QByteArray duplicate = good;
        duplicate.replace(65 * 9999, 64, developmentKey(3));
        QByteArray shortKey = good;
        shortKey.remove(65 * 100, 1);
        QByteArray separator = good;
        separator.replace(65 * 7 + 10, 1, ";");

        QTest::newRow("9999 keys") << table(9999) << QByteArray("9999 lines");
        QTest::newRow("10001 keys") << table(10001) << QByteArray("10001 lines");
        QTest::newRow("empty line at the end") << QByteArray(good + '\n') << QByteArray("10001 lines");
        QTest::newRow("upper-case digit") << upper << QByteArray("line 6");
        QTest::newRow("63 digits") << shortKey << QByteArray("line 101");
        QTest::newRow("list separator") << separator << QByteArray("line 8: a character other than 0-9 and a-f");
        QTest::newRow("duplicate key") << duplicate << QByteArray("1 duplicate keys");
    }

    void badTablesStopTheBuild()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, message);
        TestSandbox box;
        const QString keys = box.writeFile(box.path() + QStringLiteral("/keys.txt"), content);
        const QString source = box.path() + QStringLiteral("/PskKeyTable.cpp");
        QVERIFY(!writeTable(keys, source));
        // CMake wraps long messages.
        QVERIFY2(m_output.simplified().contains(message), m_output.constData());
        // No half-written table is left for the build to pick up.
        QVERIFY(!QFile::exists(source));
    }

    void windowsLineEndsAreAccepted()
    {
        TestSandbox box;
        QByteArray content = table(10000);
        content.replace("\n", "\r\n");
        const QString keys = box.writeFile(box.path() + QStringLiteral("/keys.txt"), content);
        QVERIFY2(writeTable(keys, box.path() + QStringLiteral("/PskKeyTable.cpp")), m_output.constData());
    }

private:
    bool cmake(const QStringList& definitions, const QString& script)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(m_cmake, definitions + QStringList({QStringLiteral("-P"), m_scripts + script}));
        if (!process.waitForFinished(120000))
            return false;
        m_output = process.readAll();
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    bool writeTable(const QString& keys, const QString& source)
    {
        return cmake({QStringLiteral("-DKEYS=") + keys, QStringLiteral("-DOUT=") + source},
                     QStringLiteral("WriteKeyTable.cmake"));
    }

    QString m_cmake;
    QString m_scripts;
    QByteArray m_output;
};

QTEST_GUILESS_MAIN(KeyTableTest)
#include "keytabletest.moc"
