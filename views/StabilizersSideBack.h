#pragma once

#include "model/StabIndicationSubject.h"
#include "views/ColorIndicator.h"

#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <QWidget>

class Arrow;
class OscillatorSubject;
class QLabel;

// The truck seen from behind with one lamp per stabiliser and the double
// arrows that point out the side to set up. Positions are fractions of the
// picture, so everything follows the widget's size. Driven by StabilizeView.
class StabilizersSideBack : public QWidget {
    Q_OBJECT
public:
    enum side_t {
        LEFT = 0,
        RIGHT = 1,
    };
    // The arrows, in creation order.
    enum arrow_t {
        LEFT_SIDE_ARROW = 0,
        LEFT_BACK_ARROW = 1,
        RIGHT_SIDE_ARROW = 2,
        RIGHT_BACK_ARROW = 3,
        NumberOfArrows = 4,
    };

    StabilizersSideBack(OscillatorSubject* oscillator, QWidget* parent = nullptr);
    ~StabilizersSideBack() override;

    void showStabIndicator(stab_t stab);
    void hideStabIndicator(stab_t stab);
    void setStabIncicatorColor(stab_t stab, ColorIndicator::indicatiorColor_t color);
    void blinkStabIndicator(stab_t stab, bool on);
    void showSideActivationIndicators(bool show);
    void blinkSideActivationIndicators(StabilizersSideBack::side_t side, bool on);
    void setExtraStabEnabled(bool enabled);
    void updatePositionsAndSize();

    bool isExtraStabEnabled() const { return extraStabEnabled; }
    ColorIndicator* indicator(stab_t stab) const;
    Arrow* arrow(arrow_t which) const;
    QPoint picturePosition() const { return picturePos; }
    QSize pictureSize() const { return pictureSz; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* picture = nullptr;
    QPoint picturePos {-1, -1};
    QSize pictureSz {-1, -1};
    ColorIndicator* indicators[StabIndicationSubject::NumberOfStabs] = {};
    Arrow* arrows[NumberOfArrows] = {};
    OscillatorSubject* oscillator;
    bool extraStabEnabled = false;
};
