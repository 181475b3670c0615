#pragma once

#include <QColor>
#include <QObject>

class QProgressBar;
class QWidget;

// Makes an indicator whose value is invalid (disabled with setEnabled(false))
// look unmistakably not valid. The bars' style sheets colour the chunk and
// the text whatever the bar's state, so a disabled bar would go on showing a
// green, yellow or red value; a watched bar that is disabled is painted over,
// right after it has painted itself, with a grey bar of the same shape and
// value and its text in dark grey. Labels of the indicator take a grey for
// their disabled text that still reads clearly on the white screen (a "-"
// stands for the missing value). The style sheets are left as they are, and
// an enabled bar is drawn exactly as before.
class InvalidLook : public QObject {
    // Its own meta-object, so findChild<InvalidLook*> finds only watchers.
    Q_OBJECT

public:
    // Greys of the invalid look. Text on the veil reads at 4.5:1 or better on
    // both the groove and the chunk, and label text on white.
    static QColor grooveColour() { return QColor(0xEB, 0xEB, 0xEB); }
    static QColor chunkColour() { return QColor(0xBD, 0xBD, 0xBD); }
    static QColor barTextColour() { return QColor(0x47, 0x47, 0x47); }
    static QColor labelTextColour() { return QColor(0x6B, 0x6B, 0x6B); }
    // The bar's frame is lightened by this much white.
    static constexpr int FrameVeilAlpha = 128;

    // Watches every progress bar inside the indicator (and the indicator
    // itself, if it is one) and gives its labels the disabled text grey, now
    // and whenever a style sheet polishes them anew.
    static void apply(QWidget* indicator);
    // Watches one bar (owned by it).
    static void watch(QProgressBar* bar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    static void paintVeil(QProgressBar* bar);
};
