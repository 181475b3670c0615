#include "ApplicationManager.h"
#include "app/ApplicationStartup.h"
#include "core/DevicePaths.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ApplicationStartup::loadResourcesAndFont();
    DevicePaths::initFromEnvironment();

    ApplicationManager manager;
    manager.create();
    return QApplication::exec();
}
