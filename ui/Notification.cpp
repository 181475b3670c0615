#include "ui/Notification.h"

#include "ui/OpacityFade.h"

#include <QPropertyAnimation>

Notification::Notification(QWidget* parent)
    : QWidget(parent)
{
}

Notification::~Notification() = default;

void Notification::fadeout()
{
    QPropertyAnimation* animation = OpacityFade::make(this, 1.0, 0.0, FadeMs);
    connect(animation, &QPropertyAnimation::finished, this, &QWidget::hide);
    OpacityFade::run(animation);
}

void Notification::fadein()
{
    show();
    OpacityFade::run(OpacityFade::make(this, 0.0, 1.0, FadeMs));
}
