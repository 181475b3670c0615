#include "DevicePaths.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString& rootStorage()
{
    static QString root;
    return root;
}
}

void DevicePaths::setRoot(const QString& root)
{
    QString r = root;
    while (r.size() > 1 && r.endsWith(QLatin1Char('/')))
        r.chop(1);
    if (r == QLatin1String("/"))
        r.clear();
    rootStorage() = r;
}

QString DevicePaths::root()
{
    return rootStorage();
}

void DevicePaths::initFromEnvironment()
{
    const QByteArray env = qgetenv("NORDEL_DEVICE_ROOT");
    if (!env.isEmpty())
        setRoot(QString::fromLocal8Bit(env));
}

QString DevicePaths::resolve(const QString& devicePath)
{
    if (!devicePath.startsWith(QLatin1Char('/')))
        return QString();
    const QStringList parts = devicePath.split(QLatin1Char('/'));
    for (const QString& part : parts) {
        if (part == QLatin1String(".."))
            return QString();
    }
    return rootStorage() + devicePath;
}

bool DevicePaths::ensureParent(const QString& resolvedPath)
{
    if (resolvedPath.isEmpty())
        return false;
    return QDir().mkpath(QFileInfo(resolvedPath).absolutePath());
}
