#include "core/DevicePaths.h"
#include "updater/FieldLoaderCommand.h"
#include "updater/WifiUpdate.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    // Asking for the version needs no display: answer before the GUI
    // application object exists, which aborts where no platform plugin loads.
    if (argc == 2 && std::strcmp(argv[1], "-v") == 0) {
        std::fputs(qPrintable(FieldLoaderCommand::version() + QLatin1Char('\n')), stdout);
        return 0;
    }

    // The GUI application object is needed for fonts and painting only;
    // no event loop runs and no window is shown.
    QGuiApplication application(argc, argv);
    DevicePaths::initFromEnvironment();

    const QStringList arguments = application.arguments().mid(1);
    const FieldLoaderCommand command
        = FieldLoaderCommand::fromArguments(arguments, arguments.size() == 1 ? 0u : randomCode());

    switch (command.action()) {
    case FieldLoaderCommand::PRINT_VERSION:
        std::fputs(qPrintable(FieldLoaderCommand::version() + QLatin1Char('\n')), stdout);
        return 0;
    case FieldLoaderCommand::REJECT_CODE:
        std::fputs(qPrintable(command.error() + QLatin1Char('\n')), stderr);
        return 1;
    case FieldLoaderCommand::START_UPDATE:
        break;
    }
    // Failures stay silent: the screens the script shows are the only report.
    startWifiUpdate(command.code());
    return 0;
}
