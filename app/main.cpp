#include "ApplicationManager.h"
#include "core/DevicePaths.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    DevicePaths::initFromEnvironment();
    QFontDatabase::removeAllApplicationFonts();
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/seguisb.ttf"));
    QApplication::setFont(QFont(QStringLiteral("Segoe UI")));

    ApplicationManager manager;
    manager.create();
    return QApplication::exec();
}
