#include "AssetSink.h"
#include "Canvas.h"
#include "Glyphs.h"
#include "Render.h"

#include <QPainter>
#include <QVector>

#include <utility>

using R = Ink::Role;

namespace {

struct Named {
    const char* file;
    GlyphFn draw;
};

void evsX(Canvas& c)
{
    Glyphs::truckRear(c, -9, false);
    c.text(QRectF(0, 0, 30, 28), QStringLiteral("X"), 26, R::Accent);
}

void evsY(Canvas& c)
{
    Glyphs::truckSide(c, -9);
    c.text(QRectF(0, 0, 30, 28), QStringLiteral("Y"), 26, R::Accent);
}

void evs(Canvas& c)
{
    Glyphs::levelVial(c, 26, 12);
    c.text(QRectF(4, 52, 92, 40), QStringLiteral("EVS"), 36);
}

void evsCalib(Canvas& c)
{
    Glyphs::levelVial(c, 26, 0);
    c.text(QRectF(4, 52, 92, 40), QStringLiteral("CAL"), 36);
}

void hdl(Canvas& c)
{
    Glyphs::gauge(c, 52, 34, 35);
    c.text(QRectF(4, 64, 92, 34), QStringLiteral("HDL"), 30);
}

void overrideKey(Canvas& c)
{
    Glyphs::key(c);
}

void overrideableError(Canvas& c)
{
    Glyphs::warningTriangle(c, true);
    QPainter& p = c.painter();
    p.save();
    p.translate(62, 64);
    p.scale(0.38, 0.38);
    Glyphs::key(c);
    p.restore();
}

void frontStabLoad(Canvas& c)
{
    Glyphs::truckSide(c, 0, true);
    c.line({88, 6}, {88, 22}, R::Accent, 7);
    c.fill(Canvas::arrowHead({88, 16}, {88, 36}, 14, 10), R::Accent);
}

QVector<Named> generationTable()
{
    using namespace Glyphs;
    return {
        {"Crane.png", [](Canvas& c) { crane(c, false, HookOnly); }},
        {"CraneLoad.png", [](Canvas& c) { crane(c, false, LoadBlock); }},
        {"Error.png", [](Canvas& c) { errorDisc(c, false); }},
        {"EVS_X.png", evsX},
        {"EVS_Y.png", evsY},
        {"EVS.png", evs},
        {"FlyjibLoad.png", [](Canvas& c) { crane(c, true, LoadBlock, true); }},
        {"HDL.png", hdl},
        {"Override.png", overrideKey},
        {"Sleep.png", moonAndZ},
        {"Stab.png", [](Canvas& c) { truckRear(c, 0, true); }},
        {"Stop.png", stopSign},
        {"EVS_CALIB.png", evsCalib},
        {"OverrideableError.png", overrideableError},
        {"frontStabLoad.png", frontStabLoad},
    };
}

void stbSide(Canvas& c, int side)
{
    Glyphs::truckRear(c, 0, true, side);
    const qreal dir = side == 0 ? -1 : 1;
    c.line({50 - dir * 6, 12}, {50 + dir * 30, 12}, R::Accent, 7);
    c.fill(Canvas::arrowHead({50 + dir * 20, 12}, {50 + dir * 44, 12}, 16, 11), R::Accent);
}

// Winch pulling in (taut rope, arrow up) or paying out (slack rope, arrow down).
void winchWithArrow(Canvas& c, bool up)
{
    c.solid(Canvas::rect(8, 44, 40, 30, 4));
    c.line({4, 38}, {4, 80}, R::Fg, 7);
    c.line({52, 38}, {52, 80}, R::Fg, 7);
    QPainterPath rope;
    rope.moveTo(46, 46);
    if (up) {
        rope.lineTo(66, 46);
        rope.lineTo(66, 92);
    } else {
        rope.cubicTo(70, 30, 58, 70, 72, 92);
    }
    c.stroke(rope, R::Fg, 4);
    c.line({88, up ? 92.0 : 6.0}, {88, up ? 30.0 : 68.0}, R::Accent, 9);
    c.fill(Canvas::arrowHead({88, up ? 40.0 : 60.0}, {88, up ? 4.0 : 96.0}, 26, 14), R::Accent);
}

QVector<Named> infoCentreTable()
{
    using namespace Glyphs;
    return {
        {"00_BLANK.bmp", [](Canvas&) {}},
        {"22_CRANE.bmp", [](Canvas& c) { crane(c, false, HookOnly); }},
        {"21_FLYJIB.bmp", [](Canvas& c) { crane(c, true, NoLoad, true); }},
        {"20_WINCH.bmp", [](Canvas& c) { winch(c, true); }},
        {"15_EVS_X.bmp", evsX},
        {"16_EVS_Y.bmp", evsY},
        {"23_TEMP.bmp", [](Canvas& c) { thermometer(c, {50, 50}, 100); }},
        {"19_CRHOOK.bmp", [](Canvas& c) {
             c.stroke(Canvas::circle({50, 14}, 8), R::Fg, 7);
             hook(c, {50, 22}, 72);
         }},
        {"24_HDL.bmp", [](Canvas& c) { c.text(QRectF(0, 20, 100, 60), QStringLiteral("HDL"), 44); }},
        {"07_SERVICE.bmp", [](Canvas& c) { wrench(c, {50, 50}, 95, 45); }},
        {"08_OVERRIDE.bmp", overrideKey},
        {"03_BATTERI.bmp", [](Canvas& c) { batteryBody(c, 0.2); }},
        {"38_REGEN.bmp", [](Canvas& c) { syncArrows(c, {50, 50}, 34, R::Good); }},
        {"41_EXT.bmp", [](Canvas& c) { telescope(c, 50); }},
        {"29_CREW.bmp", person},
        {"25_SLEW.bmp", slewArrow},
        {"18_EVS_CALI.bmp", evsCalib},
        {"10_STAB_DOWN.bmp", stabLeg},
        {"34_STB_LEFT.bmp", [](Canvas& c) { stbSide(c, 0); }},
        {"33_STB_RIGHT.bmp", [](Canvas& c) { stbSide(c, 1); }},
        {"36_STB_NOLEFT.bmp", [](Canvas& c) {
             truckRear(c, 0, true, 0);
             c.casedLines({{0, 50, 24, 96}, {24, 50, 0, 96}}, R::Bad, 9);
         }},
        {"27_WINCH_DRAG.bmp", [](Canvas& c) { winchWithArrow(c, true); }},
        {"26_WINCH_EASE.bmp", [](Canvas& c) { winchWithArrow(c, false); }},
        {"05_SLEEP.bmp", moonAndZ},
        {"39_VERT.bmp", verticalBoom},
        {"09_STAB_OUT.bmp", [](Canvas& c) {
             c.solid(Canvas::rect(34, 38, 32, 24, 3));
             c.line({24, 50}, {76, 50}, R::Fg, 8);
             c.fill(Canvas::arrowHead({30, 50}, {4, 50}, 20, 14), R::Accent);
             c.fill(Canvas::arrowHead({70, 50}, {96, 50}, 20, 14), R::Accent);
             c.line({50, 62}, {50, 86}, R::Fg, 8);
         }},
        {"11_STAB.bmp", [](Canvas& c) { truckRear(c, 0, true); }},
        {"12_EVS_ERR.bmp", [](Canvas& c) {
             levelVial(c, 26, 12);
             c.casedLines({{30, 52, 70, 92}, {70, 52, 30, 92}}, R::Bad, 11);
         }},
        {"28_WINCH_TELE.bmp", [](Canvas& c) {
             QPainter& p = c.painter();
             p.save();
             p.scale(1.0, 0.62);
             winch(c, false);
             p.restore();
             telescope(c, 80);
         }},
        {"30_BOOM_HS.bmp", boomHighSpeed},
        {"31_POIUNTER.bmp", pointer},
        {"32_VALUE.bmp", [](Canvas& c) {
             c.stroke(Canvas::rect(4, 24, 92, 52, 6), R::Fg, 6);
             c.text(QRectF(10, 30, 80, 40), QStringLiteral("123"), 32);
         }},
        {"37_CIO_ERR.bmp", chip},
        {"40_WINCH_PARK.bmp", [](Canvas& c) {
             winch(c, false);
             c.fill(Canvas::rect(70, 40, 30, 36, 5), R::Accent);
             c.text(QRectF(70, 40, 30, 36), QStringLiteral("P"), 28, R::Dark);
         }},
        {"17_EVS_SLEW.bmp", [](Canvas& c) {
             // Stability while slewing: the level over the slew arrow.
             levelVial(c, 16, 10);
             QPainter& p = c.painter();
             p.save();
             p.translate(50, 66);
             p.scale(0.66, 0.66);
             p.translate(-50, -50);
             slewArrow(c);
             p.restore();
         }},
        {"61_EXTRA_ERROR.bmp", [](Canvas& c) { errorDisc(c, true); }},
        {"49_STOP.bmp", stopSign},
        {"62_MOORING_OFF.bmp", [](Canvas& c) {
             anchor(c, {50, 50}, 96);
             strikeOut(c);
         }},
        {"63_FRONT_STAB_DOWN.bmp", frontStabLoad},
    };
}

} // namespace

// The generation icons are also shown full screen (sleep, stop, errors), so
// they are drawn large and scaled down for menus and bars.
void makeGenerationIcons(AssetSink& sink)
{
    const QVector<std::pair<QString, Ink>> sets = {{QStringLiteral("GEN1/"), Ink::gen1()},
                                                   {QStringLiteral("GEN3/"), Ink::gen3()}};
    for (const auto& set : sets) {
        for (const Named& n : generationTable()) {
            // On the view menu's soft keys the tile leaves a margin open, so
            // the key's own background (selected, pressed) shows around it.
            // The other icons keep the whole square: bars show them at 22 px.
            const QString file = QLatin1String(n.file);
            const bool onSoftKey = file == QLatin1String("Crane.png") || file == QLatin1String("EVS.png")
                || file == QLatin1String("Stab.png");
            const qreal tileInset = set.second.tile && onSoftKey ? 0.1 : 0.0;
            const qreal inset = set.second.tile ? tileInset + 0.12 * (1 - 2 * tileInset) : 0.04;
            sink.save(set.first + QLatin1String(n.file),
                      renderGlyph(QSize(180, 180), set.second, n.draw, inset, tileInset));
        }
    }
}

// Info-centre icons sit in the 21-pixel status bar; they are opaque because
// the format has no alpha channel.
void makeInfoCentreIcons(AssetSink& sink)
{
    const QVector<std::pair<QString, Ink>> sets = {{QStringLiteral("infocenterIcons_Gen1/"), Ink::gen1Opaque()},
                                                   {QStringLiteral("infocenterIcons_Gen3/"), Ink::gen3Opaque()}};
    for (const auto& set : sets) {
        for (const Named& n : infoCentreTable())
            sink.save(set.first + QLatin1String(n.file), renderGlyph(QSize(40, 40), set.second, n.draw, 0.09));
    }
}
