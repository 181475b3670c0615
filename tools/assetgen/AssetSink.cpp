#include "AssetSink.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

AssetSink::AssetSink(const QString& root)
    : m_root(root)
{
}

void AssetSink::save(const QString& relativePath, const QImage& image)
{
    const QString full = m_root + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(full).absolutePath());
    const QString suffix = QFileInfo(relativePath).suffix().toLower();
    bool ok = false;
    if (suffix == QLatin1String("jpg")) {
        ok = image.convertToFormat(QImage::Format_RGB32).save(full, "JPG", 92);
    } else if (suffix == QLatin1String("bmp")) {
        // BMP carries no alpha: the icons of that set are drawn on an opaque tile.
        ok = image.convertToFormat(QImage::Format_RGB32).save(full, "BMP");
    } else {
        ok = image.save(full, "PNG");
    }
    if (!ok) {
        ++m_failures;
        std::fprintf(stderr, "assetgen: cannot write %s\n", qPrintable(full));
        return;
    }
    m_entries.append({relativePath, image});
}
