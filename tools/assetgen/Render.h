#pragma once

#include "Ink.h"

#include <QImage>
#include <QSize>

#include <functional>

class AssetSink;
class Canvas;

using GlyphFn = std::function<void(Canvas&)>;

// Renders one glyph on a fresh transparent picture: the look's tile over the
// picture less a transparent margin of tileInset, the glyph inside it with a
// margin of inset (fractions of the size) on every side.
QImage renderGlyph(QSize size, const Ink& ink, const GlyphFn& draw, qreal inset = 0.06, qreal tileInset = 0);

// Picture groups, one per source file.
void makeGenerationIcons(AssetSink& sink);
void makeInfoCentreIcons(AssetSink& sink);
void makeLogos(AssetSink& sink);
void makeViewPictures(AssetSink& sink);
void makeStabilizerPictures(AssetSink& sink);
void makeHdlPictures(AssetSink& sink);
QImage makeContactSheet(const AssetSink& sink);

// The HDL crane picture with all its arrows in place, for the contact sheet.
QImage hdlPreview(bool flyjib, int colourIndex);
