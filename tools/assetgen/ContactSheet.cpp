#include "AssetSink.h"
#include "Render.h"

#include <QFont>
#include <QPainter>

#include <algorithm>

namespace {

const int kCellW = 150;
const int kCellH = 128;
const int kColumns = 10;

QImage plainSheet(QSize size)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(QColor(0xEF, 0xEF, 0xEF));
    return img;
}

} // namespace

// One sheet with every picture: each at up to 80 pixels, and once more at
// the 19-pixel height of the status bar, on the window grey of the display.
QImage makeContactSheet(const AssetSink& sink)
{
    const QVector<AssetSink::Entry>& all = sink.entries();
    const int rows = (all.size() + kColumns - 1) / kColumns;
    const int previewH = 200;
    QImage sheet = plainSheet(QSize(kColumns * kCellW, rows * kCellH + previewH * 2 + 20));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(9);
    p.setFont(f);
    for (int i = 0; i < all.size(); ++i) {
        const QRect cell((i % kColumns) * kCellW, (i / kColumns) * kCellH, kCellW, kCellH);
        const QImage& img = all[i].image;
        QSize big = img.size();
        if (big.width() > 110 || big.height() > 80)
            big.scale(110, 80, Qt::KeepAspectRatio);
        p.drawImage(QRect(cell.left() + 4, cell.top() + 4, big.width(), big.height()), img);
        QSize small = img.size();
        small.scale(60, 19, Qt::KeepAspectRatio);
        p.drawImage(QRect(cell.right() - small.width() - 4, cell.top() + 4, small.width(), small.height()), img);
        p.setPen(QColor(0x40, 0x40, 0x40));
        const QString name = all[i].path.section(QLatin1Char('/'), -1);
        p.drawText(QRect(cell.left() + 2, cell.bottom() - 34, kCellW - 4, 32), Qt::AlignLeft | Qt::AlignBottom | Qt::TextWrapAnywhere,
                   all[i].path.section(QLatin1Char('/'), 0, -2) + QLatin1Char('/') + QLatin1Char('\n') + name + QStringLiteral(" ")
                       + QString::number(img.width()) + QLatin1Char('x') + QString::number(img.height()));
        p.setPen(QColor(0xC0, 0xC0, 0xC0));
        p.drawRect(cell.adjusted(0, 0, -1, -1));
    }
    const int y0 = rows * kCellH + 10;
    for (int k = 0; k < 4; ++k) {
        const QImage prev = hdlPreview(k >= 2, k % 2 ? 2 : 0);
        p.drawImage(QPoint((k % 2) * 400 + 10, y0 + (k / 2) * previewH), prev);
    }
    return sheet;
}
