#include "ExternalProgram.h"

#include <QProcess>
#include <QStandardPaths>

QString ExternalProgram::find(const QString& name)
{
    if (name.contains(QLatin1Char('/')))
        return name;
    return QStandardPaths::findExecutable(name);
}

bool ExternalProgram::start(QProcess& process, const QString& name, const QStringList& arguments)
{
    const QString program = find(name);
    if (program.isEmpty())
        return false;
    process.start(program, arguments);
    return true;
}

bool ExternalProgram::startDetached(const QString& name, const QStringList& arguments,
                                    const QString& workingDirectory)
{
    const QString program = find(name);
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, arguments, workingDirectory);
}
