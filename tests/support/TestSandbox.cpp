#include "TestSandbox.h"

#include "core/DevicePaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

TestSandbox::TestSandbox()
    : m_oldPath(qgetenv("PATH"))
    , m_oldRoot(DevicePaths::root())
    , m_oldXdgConfig(qgetenv("XDG_CONFIG_HOME"))
{
    QDir().mkpath(root());
    QDir().mkpath(binDir());
    const QString config = m_dir.path() + QStringLiteral("/xdg-config");
    QDir().mkpath(config);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    // QSettings reads the user path once per process, so a second sandbox in
    // the same test would otherwise share the first one's (deleted) folder;
    // Qt's test mode is no help, it points into the user's home.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config);
    qputenv("PATH", QFile::encodeName(binDir()) + ':' + m_oldPath);
    DevicePaths::setRoot(root());
}

TestSandbox::~TestSandbox()
{
    qputenv("PATH", m_oldPath);
    if (m_oldXdgConfig.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", m_oldXdgConfig);
    DevicePaths::setRoot(m_oldRoot);
}

QProcessEnvironment TestSandbox::programEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("NORDEL_DEVICE_ROOT"), root());
    environment.insert(QStringLiteral("HOME"), path());
    return environment;
}

QString TestSandbox::root() const
{
    return m_dir.path() + QStringLiteral("/root");
}

QString TestSandbox::binDir() const
{
    return m_dir.path() + QStringLiteral("/bin");
}

QString TestSandbox::devicePath(const QString& absolute) const
{
    return root() + absolute;
}

QString TestSandbox::writeFile(const QString& fullPath, const QByteArray& content) const
{
    QDir().mkpath(QFileInfo(fullPath).absolutePath());
    QFile f(fullPath);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(content);
    return fullPath;
}

QString TestSandbox::writeStub(const QString& name, const QByteArray& body) const
{
    const QString path = binDir() + QLatin1Char('/') + name;
    writeFile(path, "#!/bin/sh\n" + body);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                    | QFileDevice::ReadGroup | QFileDevice::ExeGroup);
    return path;
}

QByteArray TestSandbox::readFile(const QString& fullPath)
{
    QFile f(fullPath);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
