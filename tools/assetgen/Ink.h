#pragma once

#include <QColor>

// Colours and stroke habits of one look. The generation-1 look is flat and
// filled (dark shapes on a light or transparent ground); the generation-3
// look is outlined, light strokes on a dark navy tile.
struct Ink {
    enum Role { Fg, Accent, Bad, Good, Warn, Light, Dark, Ground };

    QColor fg;
    QColor accent;
    QColor bad;
    QColor good;
    QColor warn;
    QColor light;
    QColor dark;
    QColor ground;    // tile colour; transparent for no tile
    QColor fillTint;  // inside of solid shapes in the outlined look
    bool outlined = false;
    bool tile = false;      // draw a rounded tile behind the glyph
    bool squareTile = false; // tile fills the whole picture (opaque formats)
    qreal weight = 1.0;     // stroke thickness multiplier

    QColor color(Role r) const;

    static Ink gen1();
    static Ink gen3();
    static Ink gen1Opaque(); // for pictures without alpha
    static Ink gen3Opaque();
    static Ink neutral();    // generation-independent status and menu icons
    static Ink onDark();     // light glyph on a navy tile
};
