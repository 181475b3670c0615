#include "AssetSink.h"
#include "Canvas.h"
#include "Glyphs.h"
#include "Render.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

using R = Ink::Role;

namespace {

const QColor kTyre(0x2B, 0x2B, 0x2B);
const QColor kRim(0xB0, 0xB5, 0xBA);
const QColor kCab(0xF2, 0xA9, 0x00);
const QColor kCabShade(0xC7, 0x86, 0x00);
const QColor kGlass(0x9C, 0xC9, 0xE6);
const QColor kSteel(0x5F, 0x6B, 0x73);
const QColor kOutline(0x1E, 0x1E, 0x1E);

QImage blank(QSize size)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void shape(QPainter& p, const QPainterPath& path, const QColor& fill, qreal outline = 1.5)
{
    p.setPen(outline > 0 ? QPen(kOutline, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath rr(qreal x, qreal y, qreal w, qreal h, qreal r)
{
    return Canvas::rect(x, y, w, h, r);
}

// Front of the truck, centred so that it survives a 10 degree rotation
// cropped back to its own square.
QImage truckFront()
{
    QImage img = blank(QSize(100, 100));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Crane column folded behind the cab.
    shape(p, rr(40, 6, 20, 20, 2), kSteel);
    // Tyres under the cab.
    shape(p, rr(14, 74, 16, 24, 3), kTyre);
    shape(p, rr(70, 74, 16, 24, 3), kTyre);
    // Cab body.
    shape(p, rr(16, 20, 68, 62, 6), kCab);
    shape(p, rr(21, 25, 58, 22, 4), kGlass);
    shape(p, rr(6, 30, 8, 14, 2), kSteel);
    shape(p, rr(86, 30, 8, 14, 2), kSteel);
    p.setPen(QPen(kOutline, 1));
    p.drawLine(QPointF(14, 36), QPointF(16, 36));
    p.drawLine(QPointF(84, 36), QPointF(86, 36));
    // Grille and lamps.
    shape(p, rr(32, 54, 36, 16, 2), kSteel);
    p.setPen(QPen(QColor(0x90, 0x99, 0xA0), 1.5));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(34, 57.5 + i * 3.5), QPointF(66, 57.5 + i * 3.5));
    shape(p, rr(20, 56, 10, 8, 2), QColor(0xFF, 0xF4, 0xC2));
    shape(p, rr(70, 56, 10, 8, 2), QColor(0xFF, 0xF4, 0xC2));
    // Bumper.
    shape(p, rr(12, 76, 76, 8, 2), kSteel);
    return img;
}

// Side of the truck with the crane folded behind the cab, front to the right.
QImage truckSide()
{
    QImage img = blank(QSize(226, 100));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Frame and load bed.
    shape(p, rr(8, 66, 200, 8, 2), kSteel);
    shape(p, rr(8, 56, 130, 10, 1), QColor(0x8A, 0x94, 0x9A));
    // Crane column and folded booms behind the cab.
    shape(p, rr(140, 22, 16, 46, 2), kCab);
    shape(p, Canvas::polygon({{96, 24}, {150, 20}, {152, 30}, {96, 34}}), kCab);
    shape(p, Canvas::polygon({{98, 38}, {144, 36}, {144, 45}, {98, 47}}), kCabShade);
    shape(p, Canvas::circle({148, 26}, 4), kSteel);
    // Stabiliser housing.
    shape(p, rr(136, 66, 24, 12, 2), kSteel);
    // Cab.
    QPainterPath cab;
    cab.moveTo(160, 74);
    cab.lineTo(160, 18);
    cab.lineTo(200, 18);
    cab.quadTo(212, 20, 214, 40);
    cab.lineTo(218, 50);
    cab.lineTo(218, 74);
    cab.closeSubpath();
    shape(p, cab, kCab);
    shape(p, Canvas::polygon({{188, 24}, {202, 24}, {210, 44}, {188, 44}}), kGlass);
    shape(p, rr(166, 24, 18, 20, 2), kGlass);
    p.setPen(QPen(kOutline, 1.2));
    p.drawLine(QPointF(186, 48), QPointF(186, 72));
    // Wheels: two rear axles, one front.
    for (qreal x : {40.0, 74.0, 192.0}) {
        shape(p, Canvas::circle({x, 84}, 14), kTyre, 1);
        shape(p, Canvas::circle({x, 84}, 6), kRim, 1);
    }
    return img;
}

QImage floorPicture()
{
    QImage img = blank(QSize(381, 131));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal top = 70; // the trucks' wheels stand on this line
    QLinearGradient g(0, top, 0, 131);
    g.setColorAt(0, QColor(0x9E, 0x9E, 0x9E));
    g.setColorAt(1, QColor(0x9E, 0x9E, 0x9E, 0));
    p.fillRect(QRectF(0, top, 381, 131 - top), g);
    p.setClipRect(QRectF(0, top, 381, 131 - top));
    p.setPen(QPen(QColor(0x70, 0x70, 0x70, 160), 1.5));
    for (int x = -60; x < 381; x += 12)
        p.drawLine(QPointF(x, 131), QPointF(x + 60, top));
    p.setClipping(false);
    p.setPen(QPen(QColor(0x33, 0x33, 0x33), 3));
    p.drawLine(QPointF(0, top + 1.5), QPointF(381, top + 1.5));
    return img;
}

QImage bubbleDial()
{
    const int s = 300;
    QImage img = blank(QSize(s, s));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(s / 2.0, s / 2.0), s / 2.0, QPointF(s * 0.42, s * 0.38));
    g.setColorAt(0, QColor(0xE6, 0xF6, 0xB8));
    g.setColorAt(0.8, QColor(0xB4, 0xDB, 0x6A));
    g.setColorAt(1, QColor(0x86, 0xB0, 0x3C));
    p.setPen(QPen(QColor(0x33, 0x3B, 0x30), 6));
    p.setBrush(g);
    p.drawEllipse(QRectF(4, 4, s - 8, s - 8));
    return img;
}

QImage bubbleLines()
{
    const int s = 300;
    QImage img = blank(QSize(s, s));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(s / 2.0, s / 2.0);
    // Rings at a quarter, a half and three quarters of full tilt; labels sit on them.
    p.setPen(QPen(QColor(0x20, 0x28, 0x20, 220), 2.5));
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i)
        p.drawEllipse(c, s * i / 8.0, s * i / 8.0);
    p.setPen(QPen(QColor(0x20, 0x28, 0x20, 140), 1.5, Qt::DashLine));
    p.drawLine(QPointF(c.x(), 12), QPointF(c.x(), s - 12));
    p.drawLine(QPointF(12, c.y()), QPointF(s - 12, c.y()));
    p.setPen(QPen(QColor(0xC6, 0x28, 0x28), 3));
    p.drawEllipse(c, s / 2.0 - s / 27.0, s / 2.0 - s / 27.0);
    return img;
}

QImage bubble()
{
    const int s = 70;
    QImage img = blank(QSize(s, s));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(s / 2.0, s / 2.0), s / 2.0, QPointF(s * 0.36, s * 0.32));
    g.setColorAt(0, QColor(255, 255, 255, 250));
    g.setColorAt(0.7, QColor(0xF4, 0xFF, 0xE0, 210));
    g.setColorAt(1, QColor(0xD0, 0xE8, 0xA8, 200));
    p.setPen(QPen(QColor(0x2E, 0x3A, 0x28), 3));
    p.setBrush(g);
    p.drawEllipse(QRectF(3, 3, s - 6, s - 6));
    return img;
}

QImage lamp(const QColor& colour)
{
    const int s = 54;
    QImage img = blank(QSize(s, s));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(s / 2.0, s / 2.0), s / 2.0, QPointF(s * 0.38, s * 0.34));
    g.setColorAt(0, colour.lighter(160));
    g.setColorAt(0.6, colour);
    g.setColorAt(1, colour.darker(130));
    p.setPen(QPen(QColor(0x22, 0x22, 0x22), 3));
    p.setBrush(g);
    p.drawEllipse(QRectF(3, 3, s - 6, s - 6));
    return img;
}

QImage stabArrow(const QColor& colour, bool twoWay)
{
    const int s = 64;
    QImage img = blank(QSize(s, s));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Points right at angle 0; the widget rotates it.
    QPainterPath a;
    if (twoWay)
        a = Canvas::polygon({{2, 32}, {20, 14}, {20, 24}, {44, 24}, {44, 14}, {62, 32}, {44, 50}, {44, 40}, {20, 40}, {20, 50}});
    else
        a = Canvas::polygon({{4, 24}, {38, 24}, {38, 12}, {60, 32}, {38, 52}, {38, 40}, {4, 40}});
    p.setPen(QPen(QColor(0x1E, 0x1E, 0x1E), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawPath(a);
    return img;
}

// EPTO battery in the status bar, drawn at its display size (no scaling).
QImage eptoBattery(int variant)
{
    QImage img = blank(QSize(36, 18));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // An opaque white body: the label behind it turns green while the EPTO
    // is active, and through a hollow body that would read as a full battery
    // whatever the level in the bar beside it.
    p.setPen(QPen(QColor(0x1B, 0x1F, 0x24), 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(1.5, 2, 29, 14), 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1B, 0x1F, 0x24));
    p.drawRect(QRectF(31, 6, 4, 6));
    const QColor red(0xD3, 0x2F, 0x2F);
    switch (variant) {
    case 0: // idle: the battery alone, its level is in the bar beside it
        break;
    case 4: // charging: a bolt, dark so it shows on the white screen
        p.setBrush(QColor(0x1B, 0x1F, 0x24));
        p.drawPath(Canvas::polygon({{19, 2.5}, {9, 10.5}, {15, 10.5}, {12.5, 15.5}, {23, 7.5}, {17, 7.5}}));
        break;
    case 1: // error
        p.setPen(QPen(red, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 5.5), QPointF(21, 12.5));
        p.drawLine(QPointF(21, 5.5), QPointF(11, 12.5));
        break;
    case 2: // too hot
        p.setPen(QPen(red, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 4.5), QPointF(16, 10));
        p.setPen(Qt::NoPen);
        p.setBrush(red);
        p.drawEllipse(QPointF(16, 12), 2.8, 2.8);
        p.setPen(QPen(red, 1.2));
        for (qreal y : {5.0, 7.5})
            p.drawLine(QPointF(19.5, y), QPointF(22.5, y));
        break;
    default: { // stop pressed
        p.setBrush(red);
        QPolygonF oct;
        for (int i = 0; i < 8; ++i) {
            const qreal a = (22.5 + 45.0 * i) * 3.14159265358979 / 180.0;
            oct << QPointF(16 + 5.6 * std::cos(a), 9 + 5.6 * std::sin(a));
        }
        p.drawPolygon(oct);
        p.setPen(QPen(Qt::white, 1.4));
        p.drawLine(QPointF(13, 9), QPointF(19, 9));
        break;
    }
    }
    return img;
}

QImage splashLogo()
{
    QImage img(QSize(320, 110), QImage::Format_RGB32);
    img.fill(QColor(0x18, 0x35, 0x44));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    {
        Canvas c(p, QRectF(10, 10, 90, 90), Ink::onDark());
        Glyphs::crane(c, false, Glyphs::HookOnly);
    }
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(58);
    f.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath word;
    word.addText(0, 0, f, QStringLiteral("nordel"));
    const QRectF b = word.boundingRect();
    // Fit the word into the space right of the crane.
    const qreal scale = qMin(192.0 / b.width(), 54.0 / b.height());
    p.translate(114, 70);
    p.scale(scale, scale);
    p.translate(-b.left(), -b.bottom());
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(word);
    p.resetTransform();
    p.fillRect(QRectF(114, 80, b.width() * scale, 5), QColor(0xF2, 0xA9, 0x00));
    return img;
}

void softKey(AssetSink& sink, const char* file, const GlyphFn& draw)
{
    sink.save(QStringLiteral("images/") + QLatin1String(file), renderGlyph(QSize(45, 45), Ink::neutral(), draw, 0.1));
}

void clockFace(Canvas& c, QPointF o, qreal r)
{
    c.stroke(Canvas::circle(o, r), R::Fg, 7);
    c.line(o, {o.x(), o.y() - r * 0.65}, R::Fg, 6);
    c.line(o, {o.x() + r * 0.5, o.y()}, R::Fg, 6);
}

} // namespace

void makeViewPictures(AssetSink& sink)
{
    using namespace Glyphs;
    softKey(sink, "arrow_up.png", [](Canvas& c) { c.solid(Canvas::polygon({{50, 10}, {92, 72}, {8, 72}})); });
    softKey(sink, "arrow_down.png", [](Canvas& c) { c.solid(Canvas::polygon({{50, 90}, {92, 28}, {8, 28}})); });
    softKey(sink, "arrow_upAndDown.png", [](Canvas& c) {
        c.solid(Canvas::polygon({{50, 2}, {86, 42}, {14, 42}}));
        c.solid(Canvas::polygon({{50, 98}, {86, 58}, {14, 58}}));
    });
    softKey(sink, "select.png", [](Canvas& c) { c.polyline({{12, 54}, {38, 80}, {88, 22}}, R::Good, 16); });
    softKey(sink, "plus1hour.png", [](Canvas& c) {
        clockFace(c, {50, 28}, 24);
        c.text(QRectF(0, 60, 100, 38), QStringLiteral("+1h"), 34, R::Accent);
    });
    softKey(sink, "plus1min.png", [](Canvas& c) {
        clockFace(c, {50, 28}, 24);
        c.text(QRectF(0, 60, 100, 38), QStringLiteral("+1m"), 34, R::Accent);
    });

    sink.save(QStringLiteral("images/error_white.png"),
              renderGlyph(QSize(30, 30), Ink::neutral(), [](Canvas& c) { errorDisc(c, false); }, 0.02));
    sink.save(QStringLiteral("images/lightBulb.png"),
              renderGlyph(QSize(20, 20), Ink::neutral(), [](Canvas& c) { lightBulb(c); }, 0.0));
    sink.save(QStringLiteral("images/nordel_logo.jpg"), splashLogo());

    const char* epto[] = {"60_EPTO_BATTTERI_transparent.png", "60_EPTO_BATTTERI_transparent_ERR.png",
                          "60_EPTO_BATTTERI_transparent_HOT.png", "60_EPTO_BATTTERI_transparent_STOP.png",
                          "60_EPTO_BATTTERI_transparent_CHARGING.png"};
    for (int i = 0; i < 5; ++i)
        sink.save(QStringLiteral("images/") + QLatin1String(epto[i]), eptoBattery(i));

    sink.save(QStringLiteral("images/Lastbil_forfra_100x100.png"), truckFront());
    sink.save(QStringLiteral("images/truck-side_226x100.png"), truckSide());
    sink.save(QStringLiteral("images/floor.png"), floorPicture());

    sink.save(QStringLiteral("images/bubbleLevel/bubbleLevel_bg.png"), bubbleDial());
    sink.save(QStringLiteral("images/bubbleLevel/bubbleLevel_lines.png"), bubbleLines());
    sink.save(QStringLiteral("images/bubbleLevel/bubbleLevel_bubble.png"), bubble());

    const struct {
        const char* name;
        QColor colour;
    } lamps[] = {{"circleGreen.png", QColor(0x2E, 0x9E, 0x3E)}, {"circleYellow.png", QColor(0xF4, 0xC2, 0x0D)},
                 {"circleRed.png", QColor(0xD3, 0x2F, 0x2F)},   {"circleBlue.png", QColor(0x1E, 0x6F, 0xD9)},
                 {"circleGray.png", QColor(0x9E, 0x9E, 0x9E)}};
    for (const auto& l : lamps)
        sink.save(QStringLiteral("images/colorIndicator/") + QLatin1String(l.name), lamp(l.colour));

    const struct {
        const char* word;
        QColor colour;
    } arrows[] = {{"green", QColor(0x2E, 0xB0, 0x3E)}, {"yellow", QColor(0xF4, 0xC2, 0x0D)},
                  {"red", QColor(0xE0, 0x30, 0x30)},   {"grey", QColor(0xA0, 0xA0, 0xA0)}};
    for (const auto& a : arrows) {
        sink.save(QStringLiteral("images/arrows/arrow_") + QLatin1String(a.word) + QStringLiteral(".png"),
                  stabArrow(a.colour, false));
        sink.save(QStringLiteral("images/arrows/twoWayArrow_") + QLatin1String(a.word) + QStringLiteral(".png"),
                  stabArrow(a.colour, true));
    }
}
