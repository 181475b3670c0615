#include "Render.h"

#include "Canvas.h"

#include <QPainter>

QImage renderGlyph(QSize size, const Ink& ink, const GlyphFn& draw, qreal inset, qreal tileInset)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    {
        const qreal tx = size.width() * tileInset;
        const qreal ty = size.height() * tileInset;
        Canvas ground(p, QRectF(tx, ty, size.width() - 2 * tx, size.height() - 2 * ty), ink);
        ground.tile();
    }
    const qreal mx = size.width() * inset;
    const qreal my = size.height() * inset;
    {
        Canvas c(p, QRectF(mx, my, size.width() - 2 * mx, size.height() - 2 * my), ink);
        draw(c);
    }
    p.end();
    return img;
}
