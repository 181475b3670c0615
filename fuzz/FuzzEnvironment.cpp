#include "FuzzEnvironment.h"

#include "support/TestSandbox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QString>

#include <cstdlib>

// Q_INIT_RESOURCE declares its function in the enclosing namespace, so it
// must be used from the global one.
static void initResources()
{
    Q_INIT_RESOURCE(nordel_resources);
}

namespace {
int argcStore = 1;
char argv0[] = "fuzz";
char* argvStore[] = {argv0, nullptr};
TestSandbox* box = nullptr;
}

void FuzzEnvironment::init(bool widgets)
{
    if (box)
        return;
    if (widgets) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argcStore, argvStore);
        initResources();
    } else {
        new QCoreApplication(argcStore, argvStore);
    }
    box = new TestSandbox;
    // libFuzzer ends with exit(); the temporary folders go with it.
    std::atexit([] {
        delete box;
        box = nullptr;
    });
    box->writeStub(QStringLiteral("sync"), "exit 0\n");
}

TestSandbox& FuzzEnvironment::sandbox()
{
    return *box;
}

void FuzzEnvironment::writeDeviceFile(const QString& devicePath, const QByteArray& content)
{
    box->writeFile(box->devicePath(devicePath), content);
}

void FuzzEnvironment::removeDeviceFile(const QString& devicePath)
{
    QFile::remove(box->devicePath(devicePath));
}
