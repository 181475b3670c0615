#pragma once

#include <QString>
#include <QStringList>

// What fieldloader's command line asks for. Read once by main from the
// arguments after the program name.
class FieldLoaderCommand {
public:
    enum action_t {
        PRINT_VERSION, // "-v": print the version, start nothing
        START_UPDATE,  // start the update with code()
        REJECT_CODE    // a code without a key: report it, start nothing
    };

    // arguments excludes the program name; randomCode is used when there is
    // not exactly one argument.
    static FieldLoaderCommand fromArguments(const QStringList& arguments, unsigned int randomCode);

    action_t action() const { return m_action; }
    unsigned int code() const { return m_code; }
    // The message for REJECT_CODE, empty otherwise.
    QString error() const { return m_error; }

    static QString version() { return QStringLiteral("1.0.1"); }

private:
    FieldLoaderCommand(action_t action, unsigned int code, const QString& error = QString());

    action_t m_action;
    unsigned int m_code;
    QString m_error;
};
