#pragma once

#include <QFont>
#include <QHash>
#include <QObject>
#include <QString>

#include <climits>

class QProgressBar;

// Keeps the text of a progress bar whole inside its frame: a text wider than
// the bar (a long language in a third of the view) is drawn in the embedded
// condensed face, and stretched narrower still only if that is not enough, at
// the same height and weight, rather than cut at both ends. The style sheet and the
// format stay as they are, so colours and texts do not change. Watches the
// bar's size; call fit() after changing its format.
class BarTextFit : public QObject {
public:
    // Room kept free on each side so the text does not touch the frame.
    static constexpr int Clearance = 2;
    // Narrowest the text is drawn, in percent of its normal width.
    static constexpr int NarrowestStretch = 60;

    // The font that draws a text at stretch percent of the normal font's
    // width (below 100: the condensed face).
    static QFont narrowed(QFont normal, int stretch);

    // Watches the bar (owned by it) and fits its text now.
    static void watch(QProgressBar* bar);
    // Fits a watched bar's text again (after a format change).
    static void fit(QProgressBar* bar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    void fitNow(QProgressBar* bar);
    // The stretch at which text fits the room, from the normal font.
    int fittingStretch(const QString& text, const QFont& normal) const;

    static constexpr int MaxRememberedShapes = 16;

    // What the text was last fitted to: values arrive many times a second,
    // mostly with the text's shape, the room and the font unchanged.
    QString fittedShape;
    QFont fittedFont;
    int fittedRoom = INT_MIN;
    // Stretch by text shape, for stretchesRoom and stretchesFont.
    QHash<QString, int> stretches;
    QFont stretchesFont;
    int stretchesRoom = INT_MIN;
    // The bar's own family, to go back to when a text fits again.
    QString normalFamily;
    int fittedWidth = -1;
    int room = 0;
};
