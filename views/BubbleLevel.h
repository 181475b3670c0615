#pragma once

#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

class QLabel;

// Round spirit level: a dial with three circles and a bubble that moves
// opposite to the truck's tilt. The stabilize view feeds it the inclination
// in percent of the dial's radius.
class BubbleLevel : public QWidget {
    Q_OBJECT
public:
    explicit BubbleLevel(QWidget* parent = nullptr);
    ~BubbleLevel() override;

    void setTiltXAxis(int percent);
    void setTiltYAxis(int percent);
    // Texts of the inner, middle and outer circle.
    void setLabel25Pct(QString text);
    void setLabel50Pct(QString text);
    void setLabel75Pct(QString text);

    // Geometry as last computed, for the owner's layout and for checks.
    int dialSize() const { return dial; }
    int bubbleSize() const { return bubble; }
    int travelLimit() const { return limit; }
    QPoint bubbleRestPosition() const { return bubbleRest; }
    QPoint bubblePosition() const;
    QPoint tilt() const { return tiltPx; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void initGraphics();
    void updatePositionsAndSize();
    void configLabel(QLabel* label, QSize* size, QPoint* position, QPixmap* pixmap);
    void moveBubble(QPoint tilt);
    int travel(int percent) const;
    void drawLabel(QLabel* label, QPoint* centre, int offset);

    QPixmap dialPixmap;
    QPixmap bubblePixmap;
    QPixmap linesPixmap;
    QLabel* dialLabel = nullptr;
    QLabel* bubbleLabel = nullptr;
    QLabel* linesLabel = nullptr;
    QLabel* label75 = nullptr;
    QLabel* label50 = nullptr;
    QLabel* label25 = nullptr;

    int dial = 0;
    int bubble = 0;
    int limit = 0;
    QPoint dialPosition;
    QPoint bubbleRest;
    QPoint tiltPx;
    // Last tilts in percent, so a new size shows the same tilt at its own scale.
    int tiltPercentX = 0;
    int tiltPercentY = 0;
    bool initialised = false;
};
