#include "views/BubbleLevel.h"

#include <QLabel>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace {
const char* const TransparentLabel = "QLabel{background:transparent}";
}

BubbleLevel::BubbleLevel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("BubbleLevel"));
    setWindowTitle(QStringLiteral("Form"));
    resize(400, 300);
    initGraphics();
}

BubbleLevel::~BubbleLevel() = default;

void BubbleLevel::initGraphics()
{
    dialPixmap = QPixmap(QStringLiteral(":/images/bubbleLevel/bubbleLevel_bg.png"));
    bubblePixmap = QPixmap(QStringLiteral(":/images/bubbleLevel/bubbleLevel_bubble.png"));
    linesPixmap = QPixmap(QStringLiteral(":/images/bubbleLevel/bubbleLevel_lines.png"));

    // Creation order is stacking order: the circle lines lie over the bubble.
    dialLabel = new QLabel(this);
    dialLabel->setObjectName(QStringLiteral("dial"));
    bubbleLabel = new QLabel(this);
    bubbleLabel->setObjectName(QStringLiteral("bubble"));
    linesLabel = new QLabel(this);
    linesLabel->setObjectName(QStringLiteral("lines"));

    label75 = new QLabel(QStringLiteral("75%"), this);
    label75->setObjectName(QStringLiteral("label75"));
    label50 = new QLabel(QStringLiteral("50%"), this);
    label50->setObjectName(QStringLiteral("label50"));
    label25 = new QLabel(QStringLiteral("25%"), this);
    label25->setObjectName(QStringLiteral("label25"));

    updatePositionsAndSize();
    initialised = true;
}

void BubbleLevel::updatePositionsAndSize()
{
    const int w = width();
    const int h = height();
    const int d = std::min(w, h);
    dial = static_cast<int>(0.9 * d);
    bubble = static_cast<int>(0.21 * d);
    limit = static_cast<int>(dial / 2 - bubble / 2 - 0.01 * dial);

    dialPosition = QPoint(w / 2 - dial / 2, h / 2 - dial / 2);
    bubbleRest = QPoint(w / 2 - bubble / 2, h / 2 - bubble / 2);

    QSize dialSize(dial, dial);
    QSize bubbleSize(bubble, bubble);
    configLabel(dialLabel, &dialSize, &dialPosition, &dialPixmap);
    configLabel(linesLabel, &dialSize, &dialPosition, &linesPixmap);
    configLabel(bubbleLabel, &bubbleSize, &bubbleRest, &bubblePixmap);
    // Views are laid out after their first values arrive; leaving the bubble at
    // rest here would show a tilted truck as level until the tilt changes.
    if (initialised) {
        tiltPx = QPoint(travel(tiltPercentX), travel(tiltPercentY));
        moveBubble(tiltPx);
    }
    update();
}

void BubbleLevel::configLabel(QLabel* label, QSize* size, QPoint* position, QPixmap* pixmap)
{
    if (!label || !size || !position || !pixmap)
        return;
    label->setFixedSize(*size);
    if (!pixmap->isNull() && !size->isEmpty())
        label->setPixmap(pixmap->scaled(*size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    label->setStyleSheet(QLatin1String(TransparentLabel));
    label->move(*position);
}

void BubbleLevel::setTiltXAxis(int percent)
{
    if (!initialised)
        return;
    tiltPercentX = percent;
    tiltPx.setX(travel(percent));
    moveBubble(tiltPx);
}

void BubbleLevel::setTiltYAxis(int percent)
{
    if (!initialised)
        return;
    tiltPercentY = percent;
    tiltPx.setY(travel(percent));
    moveBubble(tiltPx);
}

int BubbleLevel::travel(int percent) const
{
    return static_cast<int>(percent / 100.0 * (dial / 2 - dial / 27));
}

void BubbleLevel::moveBubble(QPoint tilt)
{
    const double x = tilt.x();
    const double y = tilt.y();
    const double r = std::sqrt(x * x + y * y);
    if (r > limit) {
        // Past the travel limit the bubble rides on the limit circle in the tilt's direction.
        bubbleLabel->move(bubbleRest
                          + QPoint(static_cast<int>(x * limit / r), static_cast<int>(y * limit / r)));
    } else {
        bubbleLabel->move(bubbleRest + tilt);
    }
}

QPoint BubbleLevel::bubblePosition() const
{
    return bubbleLabel->pos();
}

void BubbleLevel::setLabel25Pct(QString text)
{
    label25->setText(text);
    update();
}

void BubbleLevel::setLabel50Pct(QString text)
{
    label50->setText(text);
    update();
}

void BubbleLevel::setLabel75Pct(QString text)
{
    label75->setText(text);
    update();
}

void BubbleLevel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updatePositionsAndSize();
}

void BubbleLevel::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    const int d = static_cast<int>(0.9 * std::min(width(), height()));
    QPoint centre(width() / 2, height() / 2);
    drawLabel(label75, &centre, d / 8 + d / 4);
    drawLabel(label50, &centre, d / 4);
    drawLabel(label25, &centre, d / 8);
}

void BubbleLevel::drawLabel(QLabel* label, QPoint* centre, int offset)
{
    if (!label || !centre)
        return;
    const QString style = QStringLiteral("QLabel{background: rgba(0, 0, 0, 175); border-radius: 3px; "
                                         "color:rgb(225, 225, 225); ")
        + QStringLiteral("font-size: ") + QString::number(dial / 12) + QStringLiteral("px;") + QStringLiteral("}");
    // Only touch the label when something changed: a restyle or move from
    // inside a paint event would otherwise schedule the next paint forever.
    if (label->styleSheet() != style)
        label->setStyleSheet(style);
    if (label->alignment() != Qt::AlignCenter)
        label->setAlignment(Qt::AlignCenter);
    const QSize hint = label->sizeHint();
    if (label->size() != hint)
        label->resize(hint);
    const QPoint topLeft(centre->x() - hint.width() / 2, centre->y() + offset - hint.height() / 2);
    if (label->pos() != topLeft)
        label->move(topLeft);
}
