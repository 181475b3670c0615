#include "AssetSink.h"
#include "Canvas.h"
#include "Glyphs.h"
#include "Render.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QVector>

// The HDL pictures: a crane side view and one arrow picture per movement and
// colour. All coordinates are in the 382 x 182 model widget; every picture is
// cut out at the rectangle of the label that shows it, so the arrows sit on
// the joints they stand for.

namespace {

const QColor kOutline(0x1E, 0x1E, 0x1E);
const QColor kCab(0xF2, 0xA9, 0x00);
const QColor kCabShade(0xD8, 0x94, 0x00);
const QColor kSteel(0x5F, 0x6B, 0x73);
const QColor kRod(0xD5, 0xDA, 0xDE);

struct Label {
    const char* name;
    QRect rect;
    QPointF start; // fractions of the label
    QPointF ctrl;
    QPointF end;   // the head
};

struct Model {
    const char* folder;
    const char* picture;
    QRect pictureRect;
    QVector<Label> arrows;
    QPointF p1, p2, p3;          // joints 1 to 3
    QPointF teleStart, boomEnd;  // telescopic part of the main boom
    bool flyjib;
    QPointF p5, flyTeleStart, flyEnd;
    qreal ground;
};

void shape(QPainter& p, const QPainterPath& path, const QColor& fill, qreal outline = 1.4)
{
    p.setPen(QPen(kOutline, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath bar(QPointF a, QPointF b, qreal width, Qt::PenCapStyle cap = Qt::RoundCap)
{
    QPainterPath line;
    line.moveTo(a);
    line.lineTo(b);
    QPainterPathStroker s;
    s.setWidth(width);
    s.setCapStyle(cap);
    return s.createStroke(line);
}

void cylinder(QPainter& p, QPointF from, QPointF to)
{
    const QPointF m = from + (to - from) * 0.55;
    shape(p, bar(m, to, 3.5), kRod, 1);
    shape(p, bar(from, m, 7), kSteel, 1.2);
}

void pivot(QPainter& p, QPointF c)
{
    shape(p, Canvas::circle(c, 4.5), kSteel, 1.2);
}

void drawCrane(QPainter& p, const Model& m)
{
    // Truck frame and crane foot.
    shape(p, Canvas::rect(m.p1.x() - 46, m.ground - 12, 200, 10, 2), kSteel);
    shape(p, Canvas::polygon({{m.p1.x() - 26, m.ground - 12}, {m.p1.x() + 26, m.ground - 12},
                              {m.p1.x() + 16, m.p1.y() - 6}, {m.p1.x() - 16, m.p1.y() - 6}}),
          kCabShade);
    cylinder(p, {m.p1.x() + 18, m.ground - 16}, m.p1 + (m.p2 - m.p1) * 0.5 + QPointF(4, 0));
    shape(p, bar(m.p1, m.p2, 16), kCab);
    cylinder(p, m.p1 + (m.p2 - m.p1) * 0.45 + QPointF(-4, 0), m.p2 + (m.p3 - m.p2) * 0.4 + QPointF(0, -6));
    shape(p, bar(m.p2, m.p3, 14), kCab);
    cylinder(p, m.p2 + (m.p3 - m.p2) * 0.7 + QPointF(0, -6), m.p3 + (m.teleStart - m.p3) * 0.35 + QPointF(0, -6));
    shape(p, bar(m.teleStart, m.boomEnd, 8, Qt::FlatCap), kRod);
    shape(p, bar(m.p3, m.teleStart, 12), kCab);
    QPointF tip = m.boomEnd;
    if (m.flyjib) {
        // Flyjib cylinder under joint 5, where its down arrow points.
        cylinder(p, m.teleStart + QPointF(10, 8), m.p5 + (m.flyTeleStart - m.p5) * 0.5 + QPointF(0, 6));
        shape(p, bar(m.boomEnd, m.p5, 8), kCab);
        shape(p, bar(m.flyTeleStart, m.flyEnd, 6, Qt::FlatCap), kRod);
        shape(p, bar(m.p5, m.flyTeleStart, 10), kCab);
        pivot(p, m.p5);
        tip = m.flyEnd;
    }
    pivot(p, m.p1);
    pivot(p, m.p2);
    pivot(p, m.p3);
    // Rope and hook.
    p.setPen(QPen(kOutline, 1.5));
    p.drawLine(tip, tip + QPointF(0, 26));
    p.setPen(QPen(kOutline, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath hook;
    hook.moveTo(tip + QPointF(0, 26));
    hook.lineTo(tip + QPointF(0, 32));
    hook.arcTo(QRectF(tip.x() - 10, tip.y() + 26, 10, 10), 0, -210);
    p.drawPath(hook);
}

QImage picture(const Model& m)
{
    QImage img(m.pictureRect.size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(-m.pictureRect.topLeft());
    drawCrane(p, m);
    return img;
}

// How a state reads without its colour: free movements are solid, derated
// ones hatched like a caution sign, blocked ones stop at a bar across the tip.
enum class Mark { Solid, Hatched, Stopped };

QImage arrow(const Label& l, const QColor& colour, Mark mark)
{
    const QSize size = l.rect.size();
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const auto at = [&](QPointF f) { return QPointF(f.x() * size.width(), f.y() * size.height()); };
    const qreal thick = qBound<qreal>(4.5, qMin(size.width(), size.height()) * 0.2, 7.0);
    const qreal headLen = thick * 1.9;
    const qreal headHalf = qMin(thick * 1.2, qMin(size.width(), size.height()) / 2.0 - 1.5);
    const QPointF s = at(l.start), c = at(l.ctrl);
    QPointF e = at(l.end);
    const QPointF from = c == e ? s : c;
    // The stop bar takes the place of the tip; the head ends just short of it.
    const qreal barWidth = 3.0;
    QLineF stop;
    if (mark == Mark::Stopped) {
        // Pulled back along the arrow until the whole bar lies in the label.
        const QRectF inside = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1.5, 1.5, -1.5, -1.5);
        const QLineF toTip(from, e);
        const QLineF normal = toTip.normalVector().unitVector();
        const QPointF n = (normal.p2() - normal.p1()) * (headHalf + 1.5);
        for (qreal pull = 0; pull <= 8; pull += 0.5) {
            const QPointF barCentre = toTip.pointAt((toTip.length() - pull - barWidth / 2 - 0.5) / toTip.length());
            stop = QLineF(barCentre - n, barCentre + n);
            if (inside.contains(stop.p1()) && inside.contains(stop.p2()))
                break;
        }
        QLineF head = toTip;
        head.setLength(QLineF(from, stop.center()).length() - barWidth / 2 - 1.0);
        e = head.p2();
    }
    // Stop the shaft inside the head so the tip stays sharp.
    QLineF back(e, from);
    back.setLength(headLen * 0.8);
    QPainterPath shaft;
    shaft.moveTo(s);
    shaft.quadTo(c, back.p2());
    QPainterPathStroker st;
    st.setWidth(thick);
    st.setCapStyle(Qt::FlatCap);
    // The head points along the curve's end tangent (control point to end).
    const QPainterPath body
        = st.createStroke(shaft).united(Canvas::arrowHead(from, e, headLen, headHalf)).simplified();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(body);
    if (mark == Mark::Hatched) {
        p.save();
        p.setClipPath(body);
        p.setPen(QPen(kOutline, 1.4));
        const int span = size.width() + size.height();
        for (qreal k = -span; k < span; k += 4.2)
            p.drawLine(QPointF(k, 0), QPointF(k + size.height(), size.height()));
        p.restore();
    }
    // A light body gets a heavier rim: yellow on the white screen or beside
    // the orange boom has no edge of its own.
    const bool light = qGray(colour.rgb()) > 160;
    p.setPen(QPen(kOutline, light ? 2.4 : 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    if (mark == Mark::Stopped) {
        p.setPen(QPen(kOutline, barWidth, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(stop);
    }
    return img;
}

QImage regenSymbol()
{
    return renderGlyph(QSize(36, 36), Ink::neutral(), [](Canvas& c) {
        c.fillColor(Canvas::circle({50, 50}, 48), QColor(255, 255, 255, 235));
        c.stroke(Canvas::circle({50, 50}, 46), Ink::Good, 4);
        Glyphs::syncArrows(c, {50, 50}, 28, Ink::Good);
    }, 0.0);
}

Model standardModel()
{
    Model m;
    m.folder = "images/hdl/standard/";
    m.picture = "crane.png";
    m.pictureRect = QRect(50, 11, 281, 161);
    m.p1 = {100, 140};
    m.p2 = {106, 62};
    m.p3 = {195, 50};
    m.teleStart = {258, 65};
    m.boomEnd = {320, 80};
    m.flyjib = false;
    m.ground = 172;
    m.arrows = {
        {"ArrowJoint1up", QRect(21, 130, 61, 31), {0.92, 0.72}, {0.42, 1.05}, {0.08, 0.22}},
        {"ArrowJoint1down", QRect(93, 120, 51, 21), {0.08, 0.3}, {0.62, -0.05}, {0.92, 0.8}},
        {"ArrowJoint2up", QRect(70, 10, 31, 51), {0.8, 0.92}, {0.05, 0.62}, {0.6, 0.08}},
        {"ArrowJoint2down", QRect(100, 80, 31, 41), {0.2, 0.1}, {0.98, 0.3}, {0.45, 0.92}},
        {"ArrowJoint3up", QRect(190, 0, 21, 51), {0.3, 0.92}, {1.0, 0.5}, {0.35, 0.08}},
        {"ArrowJoint3down", QRect(175, 70, 31, 51), {0.3, 0.08}, {0.98, 0.45}, {0.45, 0.92}},
        {"ArrowJoint4expand", QRect(280, 50, 81, 41), {0.08, 0.3}, {0.5, 0.5}, {0.94, 0.72}},
        {"ArrowJoint4compress", QRect(205, 28, 91, 41), {0.92, 0.72}, {0.5, 0.5}, {0.06, 0.28}},
    };
    return m;
}

Model flyjibModel()
{
    Model m;
    m.folder = "images/hdl/withFlyjib/";
    m.picture = "craneWithFlyjib.png";
    m.pictureRect = QRect(30, 37, 331, 141);
    m.p1 = {76, 152};
    m.p2 = {100, 76};
    m.p3 = {162, 62};
    m.teleStart = {220, 54};
    m.boomEnd = {262, 48};
    m.flyjib = true;
    m.p5 = {272, 56};
    m.flyTeleStart = {318, 72};
    m.flyEnd = {346, 80};
    m.ground = 178;
    m.arrows = {
        {"ArrowJoint1up", QRect(5, 137, 61, 31), {0.92, 0.72}, {0.42, 1.05}, {0.08, 0.22}},
        {"ArrowJoint1down", QRect(80, 127, 51, 21), {0.08, 0.3}, {0.62, -0.05}, {0.92, 0.8}},
        {"ArrowJoint2up", QRect(70, 22, 31, 41), {0.8, 0.92}, {0.05, 0.62}, {0.6, 0.08}},
        {"ArrowJoint2down", QRect(105, 84, 31, 41), {0.2, 0.1}, {0.98, 0.3}, {0.45, 0.92}},
        {"ArrowJoint3up", QRect(140, 7, 20, 41), {0.3, 0.92}, {1.0, 0.5}, {0.35, 0.08}},
        {"ArrowJoint3down", QRect(158, 72, 20, 41), {0.3, 0.08}, {0.98, 0.45}, {0.45, 0.92}},
        {"ArrowJoint4expand", QRect(210, 15, 41, 21), {0.06, 0.5}, {0.5, 0.5}, {0.94, 0.5}},
        {"ArrowJoint4compress", QRect(170, 27, 41, 21), {0.94, 0.5}, {0.5, 0.5}, {0.06, 0.5}},
        {"ArrowJoint5up", QRect(290, 7, 21, 51), {0.3, 0.92}, {1.0, 0.5}, {0.35, 0.08}},
        {"ArrowJoint5down", QRect(270, 77, 21, 61), {0.3, 0.06}, {1.0, 0.5}, {0.4, 0.94}},
        {"ArrowJoint6expand", QRect(340, 50, 41, 31), {0.08, 0.3}, {0.5, 0.5}, {0.92, 0.72}},
        {"ArrowJoint6compress", QRect(302, 33, 41, 31), {0.92, 0.72}, {0.5, 0.5}, {0.08, 0.28}},
    };
    return m;
}

} // namespace

namespace {

struct ArrowState {
    const char* word;
    QColor colour;
    Mark mark;
};

// One picture per state colour the view loads; the blue one stands for a
// state the controller does not report and stays plain.
const QVector<ArrowState>& arrowStates()
{
    static const QVector<ArrowState> states = {
        {"Green", QColor(0x2E, 0xB0, 0x3E), Mark::Solid},
        {"Yellow", QColor(0xFF, 0xD0, 0x00), Mark::Hatched},
        {"Red", QColor(0xE0, 0x28, 0x28), Mark::Stopped},
        {"Blue", QColor(0x1E, 0x6F, 0xD9), Mark::Solid},
    };
    return states;
}

} // namespace

void makeHdlPictures(AssetSink& sink)
{
    sink.save(QStringLiteral("images/hdl/regen.png"), regenSymbol());
    for (const Model& m : {standardModel(), flyjibModel()}) {
        const QString folder = QLatin1String(m.folder);
        sink.save(folder + QLatin1String(m.picture), picture(m));
        for (const Label& l : m.arrows) {
            for (const ArrowState& a : arrowStates())
                sink.save(folder + QLatin1String(l.name) + QLatin1String(a.word) + QStringLiteral(".png"),
                          arrow(l, a.colour, a.mark));
        }
    }
}

// Composite of one model as the view shows it, for the contact sheet.
QImage hdlPreview(bool flyjib, int colourIndex)
{
    const Model m = flyjib ? flyjibModel() : standardModel();
    QImage img(QSize(382, 182), QImage::Format_ARGB32_Premultiplied);
    img.fill(QColor(0xEF, 0xEF, 0xEF));
    QPainter p(&img);
    p.drawImage(m.pictureRect.topLeft(), picture(m));
    const auto& states = arrowStates();
    int i = 0;
    for (const Label& l : m.arrows) {
        const ArrowState& a = states[(colourIndex + i++ / 2) % states.size()];
        p.drawImage(l.rect.topLeft(), arrow(l, a.colour, a.mark));
    }
    return img;
}
