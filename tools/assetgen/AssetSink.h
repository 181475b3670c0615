#pragma once

#include <QImage>
#include <QString>
#include <QVector>

// Writes generated pictures below the resource folder and remembers them for
// the contact sheet. The file format follows the suffix (png, jpg, bmp).
class AssetSink {
public:
    struct Entry {
        QString path;
        QImage image;
    };

    explicit AssetSink(const QString& root);

    void save(const QString& relativePath, const QImage& image);
    const QVector<Entry>& entries() const { return m_entries; }
    int failures() const { return m_failures; }

private:
    QString m_root;
    QVector<Entry> m_entries;
    int m_failures = 0;
};
