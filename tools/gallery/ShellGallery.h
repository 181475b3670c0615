#pragma once

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

    // Takes the named scenes (all when empty) and returns how many were
    // written; an unknown name or a screen that never comes up counts as a
    // failure of the gallery.
    static int shoot(Gallery& gallery, const QStringList& only = {});
};
