#include "Canvas.h"

#include <QFont>
#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QTransform>

#include <cmath>

namespace {

QColor mix(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(a.redF() * (1 - t) + b.redF() * t, a.greenF() * (1 - t) + b.greenF() * t,
                            a.blueF() * (1 - t) + b.blueF() * t, 1.0);
}

} // namespace

Canvas::Canvas(QPainter& painter, const QRectF& target, const Ink& ink)
    : m_p(painter)
    , m_ink(ink)
    , m_target(target)
{
    m_p.save();
    m_p.setRenderHint(QPainter::Antialiasing, true);
    m_p.translate(target.topLeft());
    m_p.scale(target.width() / 100.0, target.height() / 100.0);
}

Canvas::~Canvas()
{
    m_p.restore();
}

void Canvas::tile()
{
    if (!m_ink.tile)
        return;
    if (m_ink.squareTile) {
        m_p.fillRect(QRectF(0, 0, 100, 100), m_ink.ground);
        if (m_ink.outlined) {
            QPen pen(m_ink.accent, 4);
            pen.setJoinStyle(Qt::MiterJoin);
            m_p.setPen(pen);
            m_p.setBrush(Qt::NoBrush);
            m_p.drawRect(QRectF(2, 2, 96, 96));
        }
        return;
    }
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(m_ink.ground);
    m_p.drawRoundedRect(QRectF(1, 1, 98, 98), 14, 14);
    if (m_ink.outlined) {
        m_p.setPen(QPen(m_ink.accent, 3.5));
        m_p.setBrush(Qt::NoBrush);
        m_p.drawRoundedRect(QRectF(2.75, 2.75, 94.5, 94.5), 12.5, 12.5);
    }
}

void Canvas::stroke(const QPainterPath& path, Ink::Role role, qreal width)
{
    QPen pen(m_ink.color(role), width * m_ink.weight);
    pen.setCapStyle(m_ink.outlined ? Qt::SquareCap : Qt::RoundCap);
    pen.setJoinStyle(m_ink.outlined ? Qt::MiterJoin : Qt::RoundJoin);
    m_p.setPen(pen);
    m_p.setBrush(Qt::NoBrush);
    m_p.drawPath(path);
}

void Canvas::line(QPointF a, QPointF b, Ink::Role role, qreal width)
{
    QPainterPath p;
    p.moveTo(a);
    p.lineTo(b);
    stroke(p, role, width);
}

void Canvas::polyline(std::initializer_list<QPointF> pts, Ink::Role role, qreal width)
{
    QPainterPath p;
    bool first = true;
    for (const QPointF& pt : pts) {
        if (first)
            p.moveTo(pt);
        else
            p.lineTo(pt);
        first = false;
    }
    stroke(p, role, width);
}

void Canvas::solid(const QPainterPath& path, Ink::Role role)
{
    const QColor c = m_ink.color(role);
    // Only the plain foreground is tinted: a tint of red or yellow on navy
    // turns maroon or olive, loses its meaning and sinks into the tile.
    if (!m_ink.outlined || role != Ink::Fg) {
        fillColor(path, c);
        return;
    }
    m_p.setPen(QPen(c, 5 * m_ink.weight, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    m_p.setBrush(mix(c, m_ink.ground.alpha() ? m_ink.ground : QColor(Qt::black), 0.6));
    m_p.drawPath(path);
}

void Canvas::casedLines(std::initializer_list<QLineF> lines, Ink::Role role, qreal width)
{
    QPainterPath p;
    for (const QLineF& l : lines) {
        p.moveTo(l.p1());
        p.lineTo(l.p2());
    }
    const QColor casing = m_ink.tile ? m_ink.ground : m_ink.light;
    m_p.setPen(QPen(casing, (width + 14) * m_ink.weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    m_p.setBrush(Qt::NoBrush);
    m_p.drawPath(p);
    stroke(p, role, width);
}

void Canvas::fill(const QPainterPath& path, Ink::Role role)
{
    fillColor(path, m_ink.color(role));
}

void Canvas::fillColor(const QPainterPath& path, const QColor& color)
{
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(color);
    m_p.drawPath(path);
}

void Canvas::text(const QRectF& box, const QString& s, qreal px, Ink::Role role, qreal squeeze)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(100);
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath glyphs;
    glyphs.addText(0, 0, font, s);
    const QRectF b = glyphs.boundingRect();
    if (b.isEmpty())
        return;
    // Scale by cap height so "HDL" and "Zz" of the same px look alike.
    qreal scale = px / 73.0;
    if (b.width() * scale * squeeze > box.width())
        scale = box.width() / (b.width() * squeeze);
    QTransform t;
    t.translate(box.center().x() - b.center().x() * scale * squeeze, box.center().y() - b.center().y() * scale);
    t.scale(scale * squeeze, scale);
    fill(t.map(glyphs), role);
}

QPainterPath Canvas::rect(qreal x, qreal y, qreal w, qreal h, qreal radius)
{
    QPainterPath p;
    if (radius > 0)
        p.addRoundedRect(QRectF(x, y, w, h), radius, radius);
    else
        p.addRect(QRectF(x, y, w, h));
    return p;
}

QPainterPath Canvas::circle(QPointF c, qreal r)
{
    QPainterPath p;
    p.addEllipse(c, r, r);
    return p;
}

QPainterPath Canvas::polygon(std::initializer_list<QPointF> pts)
{
    QPolygonF poly;
    for (const QPointF& pt : pts)
        poly << pt;
    QPainterPath p;
    p.addPolygon(poly);
    p.closeSubpath();
    return p;
}

QPainterPath Canvas::arrowHead(QPointF from, QPointF tip, qreal length, qreal halfWidth)
{
    QLineF dir(tip, from);
    if (dir.length() <= 0)
        return QPainterPath();
    dir.setLength(length);
    const QPointF back = dir.p2();
    const QPointF n(-(back.y() - tip.y()) / length * halfWidth, (back.x() - tip.x()) / length * halfWidth);
    return polygon({tip, back + n, back - n});
}
