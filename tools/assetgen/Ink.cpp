#include "Ink.h"

QColor Ink::color(Role r) const
{
    switch (r) {
    case Fg: return fg;
    case Accent: return accent;
    case Bad: return bad;
    case Good: return good;
    case Warn: return warn;
    case Light: return light;
    case Dark: return dark;
    case Ground: return ground;
    }
    return fg;
}

Ink Ink::gen1()
{
    Ink i;
    i.fg = QColor(0x26, 0x32, 0x38);
    i.accent = QColor(0xD3, 0x5F, 0x00);
    i.bad = QColor(0xC6, 0x28, 0x28);
    i.good = QColor(0x2E, 0x7D, 0x32);
    i.warn = QColor(0xF9, 0xC0, 0x00);
    i.light = QColor(0xFF, 0xFF, 0xFF);
    i.dark = QColor(0x26, 0x32, 0x38);
    i.ground = QColor(0, 0, 0, 0);
    i.fillTint = i.fg;
    i.outlined = false;
    i.tile = false;
    i.weight = 1.0;
    return i;
}

Ink Ink::gen3()
{
    Ink i;
    i.fg = QColor(0xFF, 0xFF, 0xFF);
    i.accent = QColor(0xFF, 0xD6, 0x00);
    i.bad = QColor(0xF0, 0x3C, 0x3C);
    i.good = QColor(0x5C, 0xF0, 0x8A);
    i.warn = QColor(0xFF, 0xD6, 0x00);
    i.light = QColor(0xFF, 0xFF, 0xFF);
    i.dark = QColor(0x0B, 0x25, 0x35);
    i.ground = QColor(0x0B, 0x25, 0x35);
    i.fillTint = QColor(0x1F, 0x5C, 0x7A);
    i.outlined = true;
    i.tile = true;
    i.weight = 0.8;
    return i;
}

Ink Ink::gen1Opaque()
{
    Ink i = gen1();
    i.ground = QColor(0xEC, 0xEF, 0xF1);
    i.tile = true;
    i.squareTile = true;
    return i;
}

Ink Ink::gen3Opaque()
{
    Ink i = gen3();
    i.squareTile = true;
    // Drawn at 40 pixels: outlines of the large set would blur into their fill.
    i.weight = 1.1;
    return i;
}

Ink Ink::neutral()
{
    Ink i = gen1();
    i.fg = QColor(0x1B, 0x1F, 0x24);
    i.accent = QColor(0x15, 0x65, 0xC0);
    i.weight = 1.1;
    return i;
}

Ink Ink::onDark()
{
    Ink i = gen3();
    i.ground = QColor(0x18, 0x35, 0x44);
    i.outlined = false;
    i.fillTint = i.fg;
    i.weight = 1.0;
    return i;
}
