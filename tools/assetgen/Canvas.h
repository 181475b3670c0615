#pragma once

#include "Ink.h"

#include <QLineF>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <initializer_list>

class QPainter;

// Drawing surface for one glyph: maps a 100 x 100 unit square onto a target
// rectangle and draws strokes, solids and letters in the look of its Ink, so
// one glyph routine serves both icon generations and every pixel size.
class Canvas {
public:
    Canvas(QPainter& painter, const QRectF& target, const Ink& ink);
    ~Canvas();

    const Ink& ink() const { return m_ink; }
    QPainter& painter() { return m_p; }

    // Rounded (or full) ground tile of the look, if it has one.
    void tile();

    void stroke(const QPainterPath& path, Ink::Role role = Ink::Fg, qreal width = 8);
    void line(QPointF a, QPointF b, Ink::Role role = Ink::Fg, qreal width = 8);
    void polyline(std::initializer_list<QPointF> pts, Ink::Role role = Ink::Fg, qreal width = 8);
    // Lines with a casing of the ground colour, so a red cross over a body
    // stays apart from it.
    void casedLines(std::initializer_list<QLineF> lines, Ink::Role role, qreal width);
    // A body: filled in the flat look, tinted and outlined in the outlined look.
    void solid(const QPainterPath& path, Ink::Role role = Ink::Fg);
    // Always filled with the role colour, whatever the look (small details).
    void fill(const QPainterPath& path, Ink::Role role = Ink::Fg);
    void fillColor(const QPainterPath& path, const QColor& color);
    // Letters fitted into box (height px units), centred; always filled.
    // A squeeze below 1 narrows the letters so short words stay tall.
    void text(const QRectF& box, const QString& s, qreal px, Ink::Role role = Ink::Fg, qreal squeeze = 1.0);

    static QPainterPath rect(qreal x, qreal y, qreal w, qreal h, qreal radius = 0);
    static QPainterPath circle(QPointF c, qreal r);
    static QPainterPath polygon(std::initializer_list<QPointF> pts);
    // Arrow head with its tip at tip, pointing along the direction from -> tip.
    static QPainterPath arrowHead(QPointF from, QPointF tip, qreal length, qreal halfWidth);

private:
    QPainter& m_p;
    Ink m_ink;
    QRectF m_target;
};
