#include "Render.h"

#include "Canvas.h"

#include <QPainter>

QImage renderGlyph(QSize size, const Ink& ink, const GlyphFn& draw, qreal inset)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    {
        Canvas ground(p, QRectF(0, 0, size.width(), size.height()), ink);
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
