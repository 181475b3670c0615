#include "Glyphs.h"

#include "Canvas.h"

#include <QPainter>
#include <QtMath>

using R = Ink::Role;

namespace Glyphs {

void loadBlock(Canvas& c, QPointF topCentre, qreal w, qreal h)
{
    c.solid(Canvas::rect(topCentre.x() - w / 2, topCentre.y(), w, h, 2.5), R::Accent);
}

void hook(Canvas& c, QPointF top, qreal s)
{
    // s is the hook height; shank, then a J opening to the left.
    const qreal r = s * 0.28;
    QPainterPath p;
    p.moveTo(top);
    p.lineTo(top.x(), top.y() + s - 2 * r);
    p.arcTo(QRectF(top.x() - 2 * r, top.y() + s - 3 * r, 2 * r, 2 * r), 0, -210);
    c.stroke(p, R::Fg, qMax<qreal>(4, s * 0.16));
}

void crane(Canvas& c, bool flyjib, CraneLoad load, bool accentFlyjib)
{
    // Knuckle-boom crane on a short truck frame, seen from the side.
    c.solid(Canvas::rect(6, 84, 56, 9, 3));
    c.solid(Canvas::polygon({{14, 84}, {34, 84}, {30, 74}, {18, 74}}));
    c.line({24, 76}, {24, 34}, R::Fg, 11);
    c.line({24, 34}, {66, 14}, R::Fg, 9);
    QPointF tip;
    if (flyjib && accentFlyjib) {
        // The flyjib is what this picture is about: a heavy accent jib
        // reaching up and out, unlike the drooping outer boom of the plain
        // crane, so the two read apart at bar size.
        c.line({66, 14}, {74, 34}, R::Fg, 8);
        c.line({74, 34}, {96, 16}, R::Accent, 13);
        tip = {95, 22};
    } else if (flyjib) {
        c.line({66, 14}, {80, 34}, R::Fg, 8);
        c.line({80, 34}, {95, 26}, R::Fg, 6.5);
        tip = {95, 30};
    } else {
        c.line({66, 14}, {86, 40}, R::Fg, 8);
        tip = {86, 44};
    }
    if (load == NoLoad)
        return;
    c.line(tip, {tip.x(), tip.y() + 14}, R::Fg, 3);
    if (load == LoadBlock)
        loadBlock(c, {tip.x() - 1, tip.y() + 14}, 30, 26);
    else
        hook(c, {tip.x(), tip.y() + 12}, 18);
}

void winch(Canvas& c, bool withHook)
{
    c.solid(Canvas::rect(14, 30, 46, 36, 4));
    for (qreal x = 22; x < 58; x += 9)
        c.line({x, 33}, {x + 5, 63}, c.ink().outlined ? R::Fg : R::Light, 2.5);
    c.line({10, 22}, {10, 74}, R::Fg, 8);
    c.line({64, 22}, {64, 74}, R::Fg, 8);
    c.solid(Canvas::rect(4, 74, 66, 8, 2));
    c.polyline({{58, 32}, {84, 32}, {84.0, withHook ? 58.0 : 70.0}}, R::Fg, 4);
    if (withHook)
        hook(c, {84, 56}, 24);
}

void truckRear(Canvas& c, qreal tilt, bool legs, int accentLeg)
{
    QPainter& p = c.painter();
    p.save();
    p.translate(50, 80);
    p.rotate(tilt);
    p.translate(-50, -80);
    c.solid(Canvas::rect(24, 26, 52, 38, 4));
    // Rear doors and tail lights tell the back of a truck from a box.
    const R seam = c.ink().outlined ? R::Fg : R::Light;
    c.line({50, 31}, {50, 59}, seam, 3);
    c.fill(Canvas::rect(27, 51, 7, 8, 1.5), R::Bad);
    c.fill(Canvas::rect(66, 51, 7, 8, 1.5), R::Bad);
    c.solid(Canvas::rect(18, 62, 64, 7, 1.5));
    c.solid(Canvas::rect(21, 69, 17, 17, 3));
    c.solid(Canvas::rect(62, 69, 17, 17, 3));
    if (legs) {
        const R left = accentLeg == 0 ? R::Accent : R::Fg;
        const R right = accentLeg == 1 ? R::Accent : R::Fg;
        c.line({8, 66}, {18, 66}, left, 6);
        c.line({82, 66}, {92, 66}, right, 6);
        c.line({8, 66}, {8, 88}, left, 6);
        c.line({92, 66}, {92, 88}, right, 6);
        c.fill(Canvas::rect(1, 87, 14, 5, 1.5), left);
        c.fill(Canvas::rect(85, 87, 14, 5, 1.5), right);
    }
    p.restore();
}

void truckSide(Canvas& c, qreal tilt, bool frontLeg)
{
    QPainter& p = c.painter();
    p.save();
    p.translate(50, 78);
    p.rotate(tilt);
    p.translate(-50, -78);
    c.solid(Canvas::rect(6, 46, 54, 24, 2));
    c.solid(Canvas::polygon({{62, 36}, {78, 36}, {92, 54}, {92, 70}, {62, 70}}));
    c.fill(Canvas::polygon({{68, 42}, {76, 42}, {85, 54}, {68, 54}}), c.ink().outlined ? R::Fg : R::Light);
    c.line({4, 71}, {94, 71}, R::Fg, 5);
    c.solid(Canvas::circle({22, 76}, 9));
    c.solid(Canvas::circle({76, 76}, 9));
    if (frontLeg) {
        c.line({88, 71}, {88, 90}, R::Accent, 7);
        c.fill(Canvas::rect(80, 89, 16, 5, 1.5), R::Accent);
    }
    p.restore();
}

void levelVial(Canvas& c, qreal y, qreal off)
{
    c.stroke(Canvas::rect(10, y - 12, 80, 24, 12), R::Fg, 6);
    c.line({37, y - 12}, {37, y + 12}, R::Fg, 3);
    c.line({63, y - 12}, {63, y + 12}, R::Fg, 3);
    c.fill(Canvas::circle({50 + off, y}, 7.5), R::Accent);
}

void gauge(Canvas& c, qreal cy, qreal r, qreal needle)
{
    QPainterPath arc;
    arc.arcMoveTo(QRectF(50 - r, cy - r, 2 * r, 2 * r), 200);
    arc.arcTo(QRectF(50 - r, cy - r, 2 * r, 2 * r), 200, -220);
    c.stroke(arc, R::Fg, 8);
    // Red end of the scale: high values are the limit.
    QPainterPath hot;
    hot.arcMoveTo(QRectF(50 - r, cy - r, 2 * r, 2 * r), 25);
    hot.arcTo(QRectF(50 - r, cy - r, 2 * r, 2 * r), 25, -45);
    c.stroke(hot, R::Bad, 8);
    const qreal a = qDegreesToRadians(needle);
    c.line({50, cy}, {50 + qCos(a) * r * 0.8, cy - qSin(a) * r * 0.8}, R::Accent, 6);
    c.fill(Canvas::circle({50, cy}, 6.5), R::Fg);
}

void key(Canvas& c)
{
    c.stroke(Canvas::circle({30, 50}, 15), R::Fg, 9);
    c.line({45, 50}, {88, 50}, R::Fg, 9);
    c.line({76, 50}, {76, 66}, R::Fg, 8);
    c.line({88, 50}, {88, 62}, R::Fg, 8);
}

void moonAndZ(Canvas& c)
{
    QPainterPath moon = Canvas::circle({38, 58}, 30);
    moon = moon.subtracted(Canvas::circle({54, 46}, 26));
    c.solid(moon, R::Fg);
    c.text(QRectF(52, 8, 28, 26), QStringLiteral("Z"), 24, R::Accent);
    c.text(QRectF(74, 28, 20, 18), QStringLiteral("z"), 16, R::Accent);
}

void stopSign(Canvas& c)
{
    QPolygonF oct;
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(22.5 + 45.0 * i);
        oct << QPointF(50 + 46 * qCos(a), 50 + 46 * qSin(a));
    }
    QPainterPath p;
    p.addPolygon(oct);
    p.closeSubpath();
    c.solid(p, R::Bad);
    c.text(QRectF(12, 36, 76, 28), QStringLiteral("STOP"), 26, R::Light);
}

void warningTriangle(Canvas& c, bool red)
{
    QPainterPath t = Canvas::polygon({{50, 8}, {95, 88}, {5, 88}});
    c.painter().save();
    if (!c.ink().outlined) {
        // Yellow on white is too faint: the yellow sign gets a dark rim.
        QPen pen(c.ink().color(red ? R::Bad : R::Dark), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        c.painter().setPen(pen);
        c.painter().setBrush(c.ink().color(red ? R::Bad : R::Warn));
        c.painter().drawPath(t);
    } else {
        c.solid(t, red ? R::Bad : R::Warn);
    }
    c.painter().restore();
    const R mark = red ? R::Light : R::Dark;
    c.line({50, 36}, {50, 62}, mark, 10);
    c.fill(Canvas::circle({50, 76}, 6), mark);
}

void errorDisc(Canvas& c, bool exclamation)
{
    c.solid(Canvas::circle({50, 50}, 43), R::Bad);
    if (exclamation) {
        c.line({50, 24}, {50, 58}, R::Light, 12);
        c.fill(Canvas::circle({50, 75}, 7), R::Light);
    } else {
        c.line({32, 32}, {68, 68}, R::Light, 12);
        c.line({68, 32}, {32, 68}, R::Light, 12);
    }
}

void anchor(Canvas& c, QPointF o, qreal s)
{
    // Drawn in a 100-unit box scaled by s / 100 around centre o.
    QPainter& p = c.painter();
    p.save();
    p.translate(o);
    p.scale(s / 100.0, s / 100.0);
    p.translate(-50, -50);
    c.stroke(Canvas::circle({50, 16}, 9), R::Fg, 8);
    c.line({50, 25}, {50, 88}, R::Fg, 9);
    c.line({30, 38}, {70, 38}, R::Fg, 8);
    QPainterPath arc;
    arc.moveTo(12, 58);
    arc.cubicTo(14, 84, 38, 92, 50, 90);
    arc.cubicTo(62, 92, 86, 84, 88, 58);
    c.stroke(arc, R::Fg, 8);
    c.fill(Canvas::arrowHead({14, 80}, {10, 54}, 16, 9), R::Fg);
    c.fill(Canvas::arrowHead({86, 80}, {90, 54}, 16, 9), R::Fg);
    p.restore();
}

void padlock(Canvas& c, QPointF o, qreal s)
{
    const qreal w = s, h = s * 0.7;
    QPainterPath shackle;
    shackle.moveTo(o.x() - w * 0.28, o.y());
    shackle.lineTo(o.x() - w * 0.28, o.y() - h * 0.25);
    shackle.arcTo(QRectF(o.x() - w * 0.28, o.y() - h * 0.25 - w * 0.28, w * 0.56, w * 0.56), 180, -180);
    shackle.lineTo(o.x() + w * 0.28, o.y());
    c.stroke(shackle, R::Fg, s * 0.14);
    c.solid(Canvas::rect(o.x() - w / 2, o.y(), w, h, s * 0.1), R::Accent);
}

void batteryBody(Canvas& c, qreal f)
{
    c.stroke(Canvas::rect(8, 28, 74, 44, 6), R::Fg, 8);
    c.fill(Canvas::rect(84, 40, 10, 20, 2), R::Fg);
    const R role = f > 0.3 ? R::Good : R::Bad;
    c.fill(Canvas::rect(17, 37, 56 * f, 26, 2), role);
}

void gear(Canvas& c)
{
    QPainterPath teeth;
    for (int i = 0; i < 8; ++i) {
        const qreal a = 45.0 * i;
        QPainterPath t = Canvas::rect(-8, -46, 16, 20, 3);
        QTransform tr;
        tr.translate(50, 50);
        tr.rotate(a);
        teeth.addPath(tr.map(t));
    }
    QPainterPath body = Canvas::circle({50, 50}, 32).united(teeth);
    body = body.subtracted(Canvas::circle({50, 50}, 13));
    c.solid(body, R::Fg);
}

void camera(Canvas& c)
{
    QPainterPath body = Canvas::rect(8, 30, 84, 56, 8).united(Canvas::rect(32, 18, 34, 18, 4));
    body = body.subtracted(Canvas::circle({50, 58}, 20));
    c.solid(body, R::Fg);
    c.stroke(Canvas::circle({50, 58}, 13), R::Accent, 7);
    c.fill(Canvas::rect(74, 38, 10, 7, 2), R::Accent);
}

void infoMark(Canvas& c)
{
    c.solid(Canvas::circle({50, 50}, 44), R::Accent);
    c.fill(Canvas::circle({50, 28}, 7.5), R::Light);
    c.line({50, 44}, {50, 76}, R::Light, 13);
    c.line({40, 44}, {50, 44}, R::Light, 7);
    c.line({40, 77}, {60, 77}, R::Light, 7);
}

void wrench(Canvas& c, QPointF o, qreal s, qreal angle)
{
    QPainter& p = c.painter();
    p.save();
    p.translate(o);
    p.rotate(angle);
    p.scale(s / 100.0, s / 100.0);
    QPainterPath head = Canvas::circle({0, -30}, 20);
    head = head.subtracted(Canvas::rect(-8, -56, 16, 28));
    QPainterPath handle = Canvas::rect(-8, -14, 16, 62, 8);
    c.solid(head.united(handle), R::Fg);
    p.restore();
}

void person(Canvas& c)
{
    c.solid(Canvas::circle({50, 24}, 13), R::Fg);
    QPainterPath body;
    body.moveTo(22, 92);
    body.lineTo(24, 58);
    body.quadTo(26, 42, 42, 41);
    body.lineTo(58, 41);
    body.quadTo(74, 42, 76, 58);
    body.lineTo(78, 92);
    body.closeSubpath();
    c.solid(body, R::Fg);
    c.fill(Canvas::rect(30, 42, 40, 8, 3), R::Accent);
}

void thermometer(Canvas& c, QPointF o, qreal s)
{
    QPainter& p = c.painter();
    p.save();
    p.translate(o);
    p.scale(s / 100.0, s / 100.0);
    p.translate(-50, -50);
    c.stroke(Canvas::rect(40, 6, 20, 66, 10), R::Fg, 7);
    c.fill(Canvas::circle({50, 78}, 16), R::Bad);
    c.line({50, 74}, {50, 30}, R::Bad, 8);
    c.line({66, 24}, {78, 24}, R::Fg, 5);
    c.line({66, 40}, {78, 40}, R::Fg, 5);
    c.line({66, 56}, {78, 56}, R::Fg, 5);
    p.restore();
}

void oilDrop(Canvas& c, QPointF o, qreal s)
{
    QPainter& p = c.painter();
    p.save();
    p.translate(o);
    p.scale(s / 100.0, s / 100.0);
    p.translate(-50, -50);
    QPainterPath d;
    d.moveTo(50, 4);
    d.cubicTo(60, 30, 84, 48, 84, 66);
    d.cubicTo(84, 86, 68, 96, 50, 96);
    d.cubicTo(32, 96, 16, 86, 16, 66);
    d.cubicTo(16, 48, 40, 30, 50, 4);
    d.closeSubpath();
    c.solid(d, R::Fg);
    p.restore();
}

void signalBars(Canvas& c, bool off)
{
    for (int i = 0; i < 4; ++i) {
        const qreal h = 22 + i * 22;
        QPainterPath bar = Canvas::rect(6 + i * 24, 94 - h, 17, h, 3);
        if (off)
            c.stroke(bar, R::Fg, 4);
        else
            c.solid(bar, R::Fg);
    }
    if (off) {
        c.line({10, 10}, {90, 90}, R::Bad, 11);
        c.line({90, 10}, {10, 90}, R::Bad, 11);
    }
}

void plug(Canvas& c)
{
    // Shown 16 pixels high: a heavy body, thick prongs and cable.
    c.polyline({{2, 96}, {16, 96}, {30, 72}}, R::Fg, 14);
    QPainterPath body = Canvas::rect(24, 36, 46, 40, 7);
    QTransform t;
    t.translate(50, 50);
    t.rotate(-40);
    t.translate(-50, -50);
    c.solid(t.map(body), R::Fg);
    c.line(t.map(QPointF(35, 36)), t.map(QPointF(35, 8)), R::Fg, 11);
    c.line(t.map(QPointF(59, 36)), t.map(QPointF(59, 8)), R::Fg, 11);
}

void syncArrows(Canvas& c, QPointF o, qreal r, int role)
{
    const R ro = static_cast<R>(role);
    QRectF box(o.x() - r, o.y() - r, 2 * r, 2 * r);
    QPainterPath a;
    a.arcMoveTo(box, 160);
    a.arcTo(box, 160, -130);
    c.stroke(a, ro, r * 0.26);
    QPainterPath b;
    b.arcMoveTo(box, -20);
    b.arcTo(box, -20, -130);
    c.stroke(b, ro, r * 0.26);
    const auto at = [&](qreal deg) {
        const qreal rad = qDegreesToRadians(deg);
        return QPointF(o.x() + r * qCos(rad), o.y() - r * qSin(rad));
    };
    c.fill(Canvas::arrowHead(at(45), at(20), r * 0.55, r * 0.36), ro);
    c.fill(Canvas::arrowHead(at(225), at(200), r * 0.55, r * 0.36), ro);
}

void slewArrow(Canvas& c)
{
    c.solid(Canvas::circle({50, 50}, 14), R::Fg);
    QRectF box(16, 16, 68, 68);
    QPainterPath a;
    a.arcMoveTo(box, 120);
    a.arcTo(box, 120, -290);
    c.stroke(a, R::Accent, 8);
    const auto at = [&](qreal deg) {
        const qreal rad = qDegreesToRadians(deg);
        return QPointF(50 + 34 * qCos(rad), 50 - 34 * qSin(rad));
    };
    c.fill(Canvas::arrowHead(at(-150), at(-175), 20, 12), R::Accent);
}

void dumbbell(Canvas& c)
{
    c.line({22, 50}, {78, 50}, R::Fg, 8);
    c.solid(Canvas::rect(12, 24, 14, 52, 4));
    c.solid(Canvas::rect(74, 24, 14, 52, 4));
    c.solid(Canvas::rect(2, 34, 10, 32, 3));
    c.solid(Canvas::rect(88, 34, 10, 32, 3));
}

void overviewBars(Canvas& c)
{
    const qreal lengths[] = {70, 48, 86, 34};
    const R roles[] = {R::Good, R::Warn, R::Good, R::Bad};
    for (int i = 0; i < 4; ++i) {
        const qreal y = 10 + i * 22;
        c.fill(Canvas::rect(8, y, 14, 14, 3), R::Fg);
        // The frame goes over the colour, so yellow never meets the white.
        c.fill(Canvas::rect(28, y + 1, 64 * lengths[i] / 100.0, 12, 3), roles[i]);
        c.stroke(Canvas::rect(28, y + 1, 64, 12, 3), R::Fg, 5);
    }
}

void handheld(Canvas& c)
{
    c.solid(Canvas::rect(4, 20, 92, 64, 8), R::Fg);
    const bool lightBody = !c.ink().outlined && c.ink().tile;
    c.fillColor(Canvas::rect(26, 30, 48, 44, 3), lightBody ? QColor(0x1E, 0x6F, 0xD9) : c.ink().accent);
    // Keys well inside the body: at small sizes they would merge with the ground.
    for (int i = 0; i < 3; ++i) {
        c.fill(Canvas::rect(12, 32 + i * 14, 8, 8, 2), c.ink().tile ? R::Dark : R::Light);
        c.fill(Canvas::rect(80, 32 + i * 14, 8, 8, 2), c.ink().tile ? R::Dark : R::Light);
    }
    c.line({30, 20}, {30, 8}, R::Fg, 6);
}

void controllerBox(Canvas& c)
{
    c.solid(Canvas::rect(14, 22, 72, 56, 6), R::Fg);
    for (int i = 0; i < 5; ++i) {
        c.line({24.0 + i * 13, 78}, {24.0 + i * 13, 92}, R::Fg, 5);
        c.line({24.0 + i * 13, 8}, {24.0 + i * 13, 22}, R::Fg, 5);
    }
    c.fill(Canvas::circle({30, 40}, 5), R::Good);
    c.fill(Canvas::circle({46, 40}, 5), R::Warn);
    c.fill(Canvas::rect(26, 54, 48, 12, 2), R::Dark);
}

void lightBulb(Canvas& c)
{
    QPainterPath bulb;
    bulb.moveTo(36, 66);
    bulb.cubicTo(36, 54, 18, 46, 18, 32);
    bulb.cubicTo(18, 14, 33, 4, 50, 4);
    bulb.cubicTo(67, 4, 82, 14, 82, 32);
    bulb.cubicTo(82, 46, 64, 54, 64, 66);
    bulb.closeSubpath();
    c.fillColor(bulb, QColor(0xFF, 0xD5, 0x4F));
    c.stroke(bulb, R::Dark, 6);
    c.fill(Canvas::rect(36, 70, 28, 9, 2), R::Dark);
    c.fill(Canvas::rect(40, 82, 20, 10, 4), R::Dark);
}

void strikeOut(Canvas& c)
{
    c.casedLines({{14, 14, 86, 86}}, R::Bad, 10);
}

void chip(Canvas& c)
{
    // An outlined chip: the red cross sits on the ground, not on a dark body.
    c.stroke(Canvas::rect(24, 24, 52, 52, 4), R::Fg, 7);
    for (int i = 0; i < 3; ++i) {
        const qreal d = 34 + i * 16;
        c.line({d, 8}, {d, 22}, R::Fg, 5);
        c.line({d, 78}, {d, 92}, R::Fg, 5);
        c.line({8, d}, {22, d}, R::Fg, 5);
        c.line({78, d}, {92, d}, R::Fg, 5);
    }
    c.casedLines({{36, 36, 64, 64}, {64, 36, 36, 64}}, R::Bad, 9);
}

void pointer(Canvas& c)
{
    c.solid(Canvas::polygon({{24, 8}, {24, 80}, {42, 64}, {54, 92}, {66, 86}, {54, 60}, {78, 58}}), R::Fg);
}

void telescope(Canvas& c, qreal y)
{
    c.solid(Canvas::rect(6, y - 12, 48, 24, 3), R::Fg);
    c.solid(Canvas::rect(54, y - 7, 26, 14, 2), R::Accent);
    c.fill(Canvas::arrowHead({70, y}, {97, y}, 14, 12), R::Accent);
}

void stabLeg(Canvas& c)
{
    c.line({6, 26}, {56, 26}, R::Fg, 9);
    c.line({56, 26}, {56, 74}, R::Fg, 11);
    c.fill(Canvas::rect(42, 74, 28, 8, 2), R::Fg);
    c.line({84, 16}, {84, 64}, R::Accent, 8);
    c.fill(Canvas::arrowHead({84, 60}, {84, 88}, 22, 14), R::Accent);
}

void verticalBoom(Canvas& c)
{
    c.solid(Canvas::rect(14, 84, 50, 9, 3));
    c.line({38, 84}, {38, 12}, R::Fg, 12);
    c.stroke(Canvas::rect(44, 64, 18, 18), R::Accent, 7);
    c.line({74, 16}, {74, 84}, R::Accent, 5);
    c.fill(Canvas::arrowHead({74, 30}, {74, 8}, 14, 10), R::Accent);
}

void boomHighSpeed(Canvas& c)
{
    c.solid(Canvas::rect(34, 84, 50, 9, 3));
    c.line({58, 84}, {58, 60}, R::Fg, 11);
    c.line({58, 60}, {94, 18}, R::Fg, 10);
    c.line({6, 30}, {40, 30}, R::Accent, 6);
    c.line({14, 46}, {44, 46}, R::Accent, 6);
    c.line({6, 62}, {38, 62}, R::Accent, 6);
}

} // namespace Glyphs
