#include "core/DevicePaths.h"
#include "core/ExternalProgram.h"
#include "support/TestSandbox.h"

#include <QProcess>
#include <QtTest>

class DevicePathsTest : public QObject {
    Q_OBJECT
private slots:
    void resolvesBelowRoot()
    {
        const QString old = DevicePaths::root();
        DevicePaths::setRoot(QStringLiteral("/tmp/sandbox/"));
        QCOMPARE(DevicePaths::resolve(QStringLiteral("/home/GUI/conf/x")), QStringLiteral("/tmp/sandbox/home/GUI/conf/x"));
        DevicePaths::setRoot(QString());
        QCOMPARE(DevicePaths::resolve(QStringLiteral("/home/GUI/conf/x")), QStringLiteral("/home/GUI/conf/x"));
        DevicePaths::setRoot(old);
    }

    void refusesEscapes()
    {
        QVERIFY(DevicePaths::resolve(QStringLiteral("relative/path")).isEmpty());
        QVERIFY(DevicePaths::resolve(QStringLiteral("/home/../etc/passwd")).isEmpty());
        QVERIFY(DevicePaths::resolve(QString()).isEmpty());
    }

    void stubsOnPathWin()
    {
        TestSandbox box;
        box.writeStub(QStringLiteral("sync"), "echo stub > \"$0.ran\"\n");
        QCOMPARE(ExternalProgram::find(QStringLiteral("sync")), box.binDir() + QStringLiteral("/sync"));
        QProcess p;
        QVERIFY(ExternalProgram::start(p, QStringLiteral("sync")));
        QVERIFY(p.waitForFinished(5000));
        QVERIFY(QFile::exists(box.binDir() + QStringLiteral("/sync.ran")));
    }

    void missingProgramStartsNothing()
    {
        TestSandbox box;
        QProcess p;
        QVERIFY(!ExternalProgram::start(p, QStringLiteral("no-such-program-here")));
        QCOMPARE(p.state(), QProcess::NotRunning);
    }
};

QTEST_GUILESS_MAIN(DevicePathsTest)
#include "devicepathstest.moc"
