#include "AssetSink.h"
#include "Canvas.h"
#include "Glyphs.h"
#include "Render.h"

#include <QPainter>

using R = Ink::Role;

namespace {

const QSize kLogo(50, 50);

void save(AssetSink& sink, const char* file, QSize size, const Ink& ink, const GlyphFn& draw, qreal inset = 0.04)
{
    sink.save(QStringLiteral("images/Logoes/") + QLatin1String(file), renderGlyph(size, ink, draw, inset));
}

} // namespace

// Status-bar, menu and message icons that do not change with the generation.
void makeLogos(AssetSink& sink)
{
    using namespace Glyphs;
    const Ink n = Ink::neutral();
    const Ink dark = Ink::onDark();

    save(sink, "HDL_50x50.png", kLogo, n, [](Canvas& c) {
        gauge(c, 50, 36, 35);
        c.text(QRectF(2, 62, 96, 36), QStringLiteral("HDL"), 32);
    });
    save(sink, "CraneLogo_light.png", kLogo, dark, [](Canvas& c) { crane(c, false, HookOnly); }, 0.1);
    save(sink, "warning.png", kLogo, n, [](Canvas& c) { warningTriangle(c, false); });
    save(sink, "Error.png", kLogo, n, [](Canvas& c) { errorDisc(c, false); });
    save(sink, "EVS_50x50.png", kLogo, n, [](Canvas& c) {
        levelVial(c, 26, 12);
        c.text(QRectF(2, 52, 96, 42), QStringLiteral("EVS"), 36);
    });
    save(sink, "EVS_X.png", kLogo, n, [](Canvas& c) {
        truckRear(c, -9, false);
        c.text(QRectF(0, 0, 32, 30), QStringLiteral("X"), 28, R::Accent);
    });
    save(sink, "EVS_Y.png", kLogo, n, [](Canvas& c) {
        truckSide(c, -9);
        c.text(QRectF(0, 0, 32, 30), QStringLiteral("Y"), 28, R::Accent);
    });
    save(sink, "OIL_50x50.png", kLogo, n, [](Canvas& c) {
        oilDrop(c, {36, 52}, 92);
        thermometer(c, {78, 50}, 84);
    });
    save(sink, "OIL2.png", kLogo, n, [](Canvas& c) {
        // Oil can with a drop and a thermometer: oil temperature.
        c.solid(Canvas::polygon({{6, 56}, {50, 56}, {64, 44}, {94, 34}, {66, 62}, {66, 92}, {6, 92}}));
        c.fill(Canvas::rect(20, 46, 16, 10, 2), R::Fg);
        oilDrop(c, {88, 52}, 18);
        thermometer(c, {26, 22}, 44);
    });
    // Mooring and CBS sit in the status bar at about 18 pixels: the mark
    // that tells them apart (letter, padlock) takes half the square.
    save(sink, "MooringAuto.png", kLogo, n, [](Canvas& c) {
        anchor(c, {30, 54}, 64);
        c.fill(Canvas::rect(54, 2, 46, 60, 8), R::Accent);
        c.text(QRectF(54, 2, 46, 60), QStringLiteral("A"), 46, R::Light);
    });
    save(sink, "MooringLocked.png", kLogo, n, [](Canvas& c) {
        anchor(c, {30, 54}, 64);
        padlock(c, {76, 56}, 46);
    });
    save(sink, "CBS.png", kLogo, n, [](Canvas& c) {
        c.solid(Canvas::rect(0, 8, 100, 84, 12), R::Accent);
        c.text(QRectF(5, 14, 90, 72), QStringLiteral("CBS"), 60, R::Light, 0.62);
    });
    save(sink, "Camera_50x50.png", kLogo, n, [](Canvas& c) { camera(c); });
    save(sink, "Overview_50x50.png", kLogo, n, [](Canvas& c) { overviewBars(c); });
    save(sink, "settings.png", kLogo, n, [](Canvas& c) { gear(c); });
    save(sink, "info.png", kLogo, n, [](Canvas& c) { infoMark(c); });
    save(sink, "signal.png", kLogo, n, [](Canvas& c) { signalBars(c, false); }, 0.0);
    save(sink, "battery.png", kLogo, n, [](Canvas& c) {
        // Upright cell so it reads at the 16-pixel slot. No fill: the bar
        // beside it shows the level, and a fixed fill would contradict it.
        c.stroke(Canvas::rect(24, 14, 52, 82, 8), R::Fg, 9);
        c.fill(Canvas::rect(38, 2, 24, 10, 2), R::Fg);
    }, 0.0);
    save(sink, "no_signal_50x50.png", kLogo, n, [](Canvas& c) { signalBars(c, true); }, 0.0);
    save(sink, "no_signal_135x135.png", QSize(135, 135), n, [](Canvas& c) { signalBars(c, true); }, 0.06);
    save(sink, "wired_50x50.png", kLogo, n, [](Canvas& c) { plug(c); }, 0.0);
    save(sink, "sync.png", QSize(135, 135), n, [](Canvas& c) {
        syncArrows(c, {50, 50}, 40, R::Accent);
        QPainter& p = c.painter();
        p.save();
        p.translate(30, 30);
        p.scale(0.4, 0.4);
        handheld(c);
        p.restore();
    });
    save(sink, "ROVA7_white.png", QSize(135, 135), dark, [](Canvas& c) { controllerBox(c); }, 0.14);
    save(sink, "Display_White.png", QSize(135, 135), dark, [](Canvas& c) { handheld(c); }, 0.14);
    save(sink, "Speed.PNG", kLogo, n, [](Canvas& c) { gauge(c, 58, 42, 40); });
    save(sink, "WinchLoad.png", kLogo, n, [](Canvas& c) {
        winch(c, false);
        loadBlock(c, {84, 70}, 26, 26);
    });
    save(sink, "strength.png", kLogo, n, [](Canvas& c) { dumbbell(c); });
}
