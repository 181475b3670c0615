#pragma once

#include "model/UiGenerationSubject.h"

#include <QStringList>

class Gallery;

// Whole-screen pages of the gallery: the real application graph, built once
// inside the platform stand-in and fed by the crane simulator, driven through
// every full-screen message, both operating modes in both looks, a crowded
// status bar and the EVS III overlay. The caller provides the device root
// (translation table, stub programs) before the first call.
class ShellGallery {
public:
    static constexpr int ScreenWidth = 480;
    static constexpr int ScreenHeight = 272;

    // Names of the pictures, in the order they are taken.
    static QStringList sceneNames();

    // The look a scene is taken in, or -1 for an unknown name.
    static int lookOf(const QString& name);

    // Takes the named scenes of the look (all of it when none are named) and
    // returns how many were written; an unknown name or a screen that never
    // comes up counts as a failure of the gallery. The display is built in
    // the look of the first call and keeps it, as on the unit, so one process
    // takes one look.
    static int shoot(Gallery& gallery, uiGenerations_t look, const QStringList& only = {});
};
