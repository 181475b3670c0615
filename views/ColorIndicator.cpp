#include "views/ColorIndicator.h"

#include "ui/WidgetUpdate.h"

#include <QGridLayout>
#include <QLabel>

ColorIndicator::ColorIndicator(OscillatorSubject* oscillator, QWidget* parent)
    : QWidget(parent)
    , OscillatorObserver(oscillator)
{
    // The blink clock is only followed while blinking.
    OscillatorObserver::detach();

    setObjectName(QStringLiteral("ColorIndicator"));
    resize(54, 54);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet(QStringLiteral("background:transparent;"));

    auto* layout = new QGridLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(2, 2, 2, 2);
    label = new QLabel(this);
    label->setObjectName(QStringLiteral("label"));
    label->setScaledContents(true);
    layout->addWidget(label, 0, 0);

    pixmaps[GREEN] = QPixmap(QStringLiteral(":/images/colorIndicator/circleGreen.png"));
    pixmaps[YELLOW] = QPixmap(QStringLiteral(":/images/colorIndicator/circleYellow.png"));
    pixmaps[RED] = QPixmap(QStringLiteral(":/images/colorIndicator/circleRed.png"));
    pixmaps[BLUE] = QPixmap(QStringLiteral(":/images/colorIndicator/circleBlue.png"));
    pixmaps[GRAY] = QPixmap(QStringLiteral(":/images/colorIndicator/circleGray.png"));
    paintColor(color);
}

ColorIndicator::~ColorIndicator()
{
    OscillatorObserver::detach();
}

void ColorIndicator::setColor(indicatiorColor_t c)
{
    if (c < GREEN || c > GRAY)
        return;
    color = c;
    paintColor(color);
}

void ColorIndicator::setBlinking(bool on)
{
    blinking = on;
    if (on) {
        OscillatorObserver::attach();
        paintColor(GRAY);
    } else {
        OscillatorObserver::detach();
        paintColor(color);
    }
}

void ColorIndicator::setSize(int size)
{
    if (size < 0)
        return;
    setFixedSize(size, size);
}

void ColorIndicator::oscilate800ms(bool phase)
{
    paintColor(phase ? color : GRAY);
}

void ColorIndicator::paintColor(indicatiorColor_t c)
{
    shown = c;
    WidgetUpdate::setStyleSheet(label, QStringLiteral("QLabel{background:transparent}"));
    WidgetUpdate::setPixmap(label, pixmaps[c]);
}
