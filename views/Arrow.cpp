#include "views/Arrow.h"

#include "ui/WidgetUpdate.h"

#include <QGridLayout>
#include <QLabel>
#include <QTransform>

#include <algorithm>

Arrow::Arrow(OscillatorSubject* oscillator, bool twoWay, QWidget* parent)
    : QWidget(parent)
    , OscillatorObserver(oscillator)
{
    // The blink clock is only followed while blinking.
    OscillatorObserver::detach();

    setObjectName(QStringLiteral("Arrow"));
    resize(50, 50);
    setAttribute(Qt::WA_TranslucentBackground);

    auto* layout = new QGridLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    label = new QLabel(this);
    label->setObjectName(QStringLiteral("label"));
    label->setAlignment(Qt::AlignCenter);
    // The label must be free to shrink with the widget; its pixmap is rescaled to it.
    label->setMinimumSize(1, 1);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    layout->addWidget(label, 0, 0);

    const QString prefix = twoWay ? QStringLiteral(":/images/arrows/twoWayArrow_") : QStringLiteral(":/images/arrows/arrow_");
    pixmaps[GREEN] = QPixmap(prefix + QStringLiteral("green.png"));
    pixmaps[YELLOW] = QPixmap(prefix + QStringLiteral("yellow.png"));
    pixmaps[RED] = QPixmap(prefix + QStringLiteral("red.png"));
    pixmaps[GREY] = QPixmap(prefix + QStringLiteral("grey.png"));
    paintColor(color);
}

Arrow::~Arrow()
{
    OscillatorObserver::detach();
}

void Arrow::setColor(color_t c)
{
    if (c < GREEN || c > GREY)
        return;
    color = c;
    paintColor(color);
}

void Arrow::setBlinking(bool on)
{
    blinking = on;
    if (on) {
        OscillatorObserver::attach();
        paintColor(GREY);
    } else {
        OscillatorObserver::detach();
        paintColor(color);
    }
}

void Arrow::rotate(float degrees)
{
    angle = degrees;
    paintColor(shown);
}

void Arrow::setSize(unsigned int size)
{
    const int s = static_cast<int>(std::min(size, 10000u));
    setFixedSize(s, s);
    paintColor(shown);
}

void Arrow::moveAtCenter(QPoint centre)
{
    move(centre - QPoint(width() / 2, height() / 2));
}

void Arrow::moveAtCenter(int x, int y)
{
    moveAtCenter(QPoint(x, y));
}

void Arrow::oscilate800ms(bool phase)
{
    paintColor(phase ? color : GREY);
}

void Arrow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    paintColor(shown);
}

void Arrow::paintColor(color_t c)
{
    shown = c;
    const QPixmap& source = pixmaps[c];
    WidgetUpdate::setStyleSheet(label, QStringLiteral("QLabel{background:transparent}"));
    const QSize target(std::max(1, width() - 2), std::max(1, height() - 2));
    if (source.isNull()) {
        label->clear();
        return;
    }
    const QPixmap scaled = source.scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const QPixmap rotated = scaled.transformed(QTransform().rotate(angle), Qt::SmoothTransformation);
    // Cut the scaled size out of the middle so turning never grows the arrow.
    const QRect cut((rotated.width() - scaled.width()) / 2, (rotated.height() - scaled.height()) / 2, scaled.width(),
                    scaled.height());
    label->setPixmap(rotated.copy(cut));
}
