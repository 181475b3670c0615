#include "AssetSink.h"
#include "Canvas.h"
#include "Render.h"

#include <QPainter>

namespace {

const QColor kOutline(0x1E, 0x1E, 0x1E);
const QColor kCab(0xF2, 0xA9, 0x00);
const QColor kCabShade(0xC7, 0x86, 0x00);
const QColor kGlass(0x9C, 0xC9, 0xE6);
const QColor kSteel(0x5F, 0x6B, 0x73);
const QColor kSteelLight(0x8A, 0x94, 0x9A);
const QColor kBed(0xC8, 0xCD, 0xD0);
const QColor kTyre(0x2B, 0x2B, 0x2B);

void shape(QPainter& p, const QPainterPath& path, const QColor& fill, qreal outline = 1.5)
{
    p.setPen(outline > 0 ? QPen(kOutline, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawPath(path);
}

// One outrigger seen from above: a wide housing across the frame, beams out
// to both sides, a round foot at each end. The stabiliser lamps of the
// stabilize view sit on the housing corners and on the feet.
void outrigger(QPainter& p, qreal y, qreal leftFoot, qreal rightFoot, qreal housingLeft, qreal housingRight,
               qreal housingTop)
{
    shape(p, Canvas::rect(leftFoot, y - 6, rightFoot - leftFoot, 12, 2), kSteelLight);
    shape(p, Canvas::rect(housingLeft, housingTop, housingRight - housingLeft, y + 10 - housingTop, 3), kSteel);
    shape(p, Canvas::circle({leftFoot, y + 4}, 10), kSteel);
    shape(p, Canvas::circle({rightFoot, y + 4}, 10), kSteel);
}

// The truck from above, front at the top; 280 x 296 like the stabilize view expects.
QImage truckTop(bool backStabilisers)
{
    QImage img(QSize(280, 296), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // Wheels under everything else.
    for (qreal y : {26.0, 192.0, 222.0}) {
        shape(p, Canvas::rect(82, y, 14, 26, 3), kTyre, 1);
        shape(p, Canvas::rect(180, y, 14, 26, 3), kTyre, 1);
    }
    // Frame rails.
    shape(p, Canvas::rect(110, 56, 12, 236, 1), kSteel);
    shape(p, Canvas::rect(154, 56, 12, 236, 1), kSteel);
    // Load bed.
    shape(p, Canvas::rect(100, 134, 76, 152, 3), kBed);
    p.setPen(QPen(QColor(0x9A, 0xA2, 0xA6), 1.5));
    for (qreal x = 112; x < 176; x += 14)
        p.drawLine(QPointF(x, 140), QPointF(x, 280));

    outrigger(p, 100, 26, 247, 58, 218, 80);
    if (backStabilisers)
        outrigger(p, 262, 15, 267, 50, 226, 244);

    // Crane turret and the booms folded back over the bed.
    shape(p, Canvas::circle({138, 104}, 26), kCab);
    shape(p, Canvas::rect(126, 104, 24, 120, 4), kCab);
    shape(p, Canvas::rect(131, 150, 14, 92, 3), kCabShade);
    shape(p, Canvas::circle({138, 104}, 9), kSteel);

    // Cab with windscreen at the front.
    QPainterPath cab;
    cab.addRoundedRect(QRectF(96, 8, 84, 52), 10, 10);
    shape(p, cab, kCab);
    shape(p, Canvas::rect(102, 12, 72, 12, 4), kGlass);
    shape(p, Canvas::rect(90, 22, 6, 10, 2), kSteel);
    shape(p, Canvas::rect(180, 22, 6, 10, 2), kSteel);
    // Front support under the bumper and the rear support pad.
    shape(p, Canvas::rect(128, 1, 20, 8, 2), kSteel);
    shape(p, Canvas::rect(128, 284, 20, 10, 2), kSteel);
    return img;
}

} // namespace

void makeStabilizerPictures(AssetSink& sink)
{
    sink.save(QStringLiteral("images/stab/TruckSide.png"), truckTop(false));
    sink.save(QStringLiteral("images/stab/TruckSideBack.png"), truckTop(true));
}
