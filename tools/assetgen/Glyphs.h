#pragma once

#include <QPointF>

class Canvas;

// Symbol shapes in a 100 x 100 unit square. Each routine draws only its
// symbol; the caller decides the tile and the look through the Canvas.
namespace Glyphs {

enum CraneLoad { NoLoad, HookOnly, LoadBlock };

void crane(Canvas& c, bool flyjib, CraneLoad load, bool accentFlyjib = false);
void hook(Canvas& c, QPointF top, qreal size);
void winch(Canvas& c, bool withHook = true);
void loadBlock(Canvas& c, QPointF topCentre, qreal w, qreal h);
void truckRear(Canvas& c, qreal tiltDegrees, bool legs, int accentLeg = -1);
void truckSide(Canvas& c, qreal tiltDegrees = 0, bool frontLeg = false);
void levelVial(Canvas& c, qreal y, qreal bubbleOffset);
void gauge(Canvas& c, qreal cy, qreal radius, qreal needleDegrees);
void key(Canvas& c);
void moonAndZ(Canvas& c);
void stopSign(Canvas& c);
void warningTriangle(Canvas& c, bool red);
void errorDisc(Canvas& c, bool exclamation);
void anchor(Canvas& c, QPointF centre, qreal size);
void padlock(Canvas& c, QPointF centre, qreal size);
void batteryBody(Canvas& c, qreal fillFraction);
void gear(Canvas& c);
void camera(Canvas& c);
void infoMark(Canvas& c);
void wrench(Canvas& c, QPointF centre, qreal size, qreal angleDegrees);
void person(Canvas& c);
void thermometer(Canvas& c, QPointF centre, qreal size);
void oilDrop(Canvas& c, QPointF centre, qreal size);
void signalBars(Canvas& c, bool off);
void plug(Canvas& c);
void syncArrows(Canvas& c, QPointF centre, qreal radius, int role);
void slewArrow(Canvas& c);
void dumbbell(Canvas& c);
void overviewBars(Canvas& c);
void handheld(Canvas& c);
void controllerBox(Canvas& c);
void lightBulb(Canvas& c);
void strikeOut(Canvas& c);
void chip(Canvas& c);
void pointer(Canvas& c);
void telescope(Canvas& c, qreal y);
void stabLeg(Canvas& c);
void verticalBoom(Canvas& c);
void boomHighSpeed(Canvas& c);

} // namespace Glyphs
