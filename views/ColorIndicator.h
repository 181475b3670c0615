#pragma once

#include "core/OscillatorObserver.h"

#include <QPixmap>
#include <QWidget>

class OscillatorSubject;
class QLabel;

// A round lamp on the stabilize view's truck picture: one colour, steady or
// blinking against grey with the shared blink clock. StabilizersSideBack
// owns and drives it.
class ColorIndicator : public QWidget, public OscillatorObserver {
    Q_OBJECT
public:
    enum indicatiorColor_t {
        GREEN = 0,
        YELLOW = 1,
        RED = 2,
        BLUE = 3,
        GRAY = 4,
    };

    ColorIndicator(OscillatorSubject* oscillator, QWidget* parent = nullptr);
    ~ColorIndicator() override;

    void setColor(indicatiorColor_t color);
    void setBlinking(bool on);
    void setSize(int size);
    void oscilate800ms(bool phase) override;

    indicatiorColor_t getColor() const { return color; }
    // The colour currently drawn: the stored one, or grey in a blink's off phase.
    indicatiorColor_t shownColor() const { return shown; }
    bool isBlinking() const { return blinking; }

private:
    void paintColor(indicatiorColor_t c);

    QLabel* label = nullptr;
    QPixmap pixmaps[5];
    indicatiorColor_t color = GRAY;
    indicatiorColor_t shown = GRAY;
    bool blinking = false;
};
