#include "ui/OpacityFade.h"

#include <QGraphicsOpacityEffect>
#include <QPropertyAnimation>
#include <QWidget>

#include <climits>

QPropertyAnimation* OpacityFade::make(QWidget* widget, double from, double to, unsigned int ms)
{
    auto* effect = new QGraphicsOpacityEffect(widget);
    effect->setOpacity(from);
    widget->setGraphicsEffect(effect);
    auto* animation = new QPropertyAnimation(effect, "opacity", effect);
    // A duration beyond int would turn negative and be refused by Qt.
    animation->setDuration(ms > static_cast<unsigned int>(INT_MAX) ? INT_MAX : static_cast<int>(ms));
    animation->setStartValue(from);
    animation->setEndValue(to);
    animation->setEasingCurve(QEasingCurve::Linear);
    return animation;
}

void OpacityFade::run(QPropertyAnimation* animation)
{
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}
