#include "DeliveredConfiguration.h"

#include "core/DevicePaths.h"

#include <QFile>
#include <QFileInfo>

bool DeliveredConfiguration::takeOver(const QString& delivered, const QString& active, const QString& archived)
{
    const QString from = DevicePaths::resolve(delivered);
    const QString to = DevicePaths::resolve(active);
    const QString archive = DevicePaths::resolve(archived);
    if (from.isEmpty() || to.isEmpty() || archive.isEmpty())
        return false;
    if (!QFileInfo(from).isFile())
        return false;

    // Copy beside the target first: the file in use is only removed once a
    // complete copy exists, so a full disk never leaves the unit without one.
    const QString staged = to + QStringLiteral(".new");
    QFile::remove(staged);
    if (!DevicePaths::ensureParent(to) || !QFile::copy(from, staged)) {
        QFile::remove(staged);
        return false;
    }
    QFile::remove(to);
    if (!QFile::rename(staged, to)) {
        QFile::remove(staged);
        return false;
    }

    // An archive left by an earlier delivery would make the rename fail and
    // the same file would be taken over again at every start.
    QFile::remove(archive);
    if (!QFile::rename(from, archive))
        QFile::remove(from);
    return true;
}
