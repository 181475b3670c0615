#include "ApplicationManager.h"
#include "core/DevicePaths.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The pictures, fonts and texts are compiled into the static core library,
    // which the linker would otherwise leave out.
    Q_INIT_RESOURCE(nordel_resources);
    DevicePaths::initFromEnvironment();
    QFontDatabase::removeAllApplicationFonts();
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/seguisb.ttf"));
    QApplication::setFont(QFont(QStringLiteral("Segoe UI")));

    ApplicationManager manager;
    manager.create();
    return QApplication::exec();
}
