#pragma once

#include "core/OscillatorObserver.h"

#include <QPixmap>
#include <QPoint>
#include <QWidget>

class OscillatorSubject;
class QLabel;

// A coloured arrow, one- or two-headed, that can be turned and can blink
// against grey with the shared blink clock. The stabilize view's truck
// picture uses two-headed ones to show which side to set up.
class Arrow : public QWidget, public OscillatorObserver {
    Q_OBJECT
public:
    enum color_t {
        GREEN = 0,
        YELLOW = 1,
        RED = 2,
        GREY = 3,
    };

    Arrow(OscillatorSubject* oscillator, bool twoWay, QWidget* parent = nullptr);
    ~Arrow() override;

    void setColor(color_t color);
    void setBlinking(bool on);
    void rotate(float degrees);
    void setSize(unsigned int size);
    void moveAtCenter(QPoint centre);
    void moveAtCenter(int x, int y);
    void oscilate800ms(bool phase) override;

    color_t getColor() const { return color; }
    color_t shownColor() const { return shown; }
    bool isBlinking() const { return blinking; }
    float getRotation() const { return angle; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void paintColor(color_t c);

    QLabel* label = nullptr;
    QPixmap pixmaps[4];
    color_t color = GREY;
    color_t shown = GREY;
    float angle = 0;
    bool blinking = false;
};
