#pragma once

#include <QString>
#include <QStringList>

class QProcess;

// Starts the unit's external programs (sync, sh, iwconfig, ...). A bare name
// is looked up on PATH, so tests and the desktop run can put stubs first.
class ExternalProgram {
public:
    // Full path of a program on PATH, or empty when there is none.
    static QString find(const QString& name);
    // Starts the program asynchronously; false (and nothing started) when the
    // program is not found. The process reports its end on its own signals.
    static bool start(QProcess& process, const QString& name, const QStringList& arguments = {});
    // Starts the program detached from this process; false if it could not start.
    static bool startDetached(const QString& name, const QStringList& arguments = {},
                              const QString& workingDirectory = QString());
};
