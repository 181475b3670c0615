#include "updater/FieldLoaderCommand.h"

#include "updater/WifiUpdate.h"

#include <QRegularExpression>

FieldLoaderCommand::FieldLoaderCommand(action_t action, unsigned int code, const QString& error)
    : m_action(action)
    , m_code(code)
    , m_error(error)
{
}

FieldLoaderCommand FieldLoaderCommand::fromArguments(const QStringList& arguments, unsigned int randomCode)
{
    if (arguments.size() != 1)
        return FieldLoaderCommand(START_UPDATE, randomCode);

    const QString& argument = arguments.first();
    if (argument == QLatin1String("-v"))
        return FieldLoaderCommand(PRINT_VERSION, 0);

    bool ok = false;
    const unsigned int code = argument.toUInt(&ok);
    if (!ok) {
        // Digits too many for an unsigned int are still a number, just one
        // far outside the table; anything else counts as code 0.
        static const QRegularExpression digitsOnly(QStringLiteral("^\\s*\\+?[0-9]+\\s*$"));
        if (digitsOnly.match(argument).hasMatch())
            return FieldLoaderCommand(REJECT_CODE, 0,
                                      QStringLiteral("fieldloader: code %1 is out of range (0 to %2)")
                                          .arg(argument.trimmed())
                                          .arg(maxWifiUpdateCode));
        return FieldLoaderCommand(START_UPDATE, 0);
    }
    if (code > maxWifiUpdateCode)
        return FieldLoaderCommand(REJECT_CODE, code,
                                  QStringLiteral("fieldloader: code %1 is out of range (0 to %2)")
                                      .arg(code)
                                      .arg(maxWifiUpdateCode));
    return FieldLoaderCommand(START_UPDATE, code);
}
