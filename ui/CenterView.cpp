#include "ui/CenterView.h"

#include "ui/OpacityFade.h"

#include <QPropertyAnimation>

CenterView::CenterView(QWidget* parent)
    : QWidget(parent)
{
}

CenterView::~CenterView() = default;

void CenterView::onResume() {}

void CenterView::onSuspend() {}

void CenterView::showWidget()
{
    show();
    onResume();
}

void CenterView::hideWidget()
{
    onSuspend();
    hide();
    emit widgetHidden();
}

void CenterView::fadein(unsigned int ms)
{
    show();
    OpacityFade::run(OpacityFade::make(this, 0.0, 1.0, ms));
    onResume();
}

void CenterView::fadeout(unsigned int ms)
{
    QPropertyAnimation* animation = OpacityFade::make(this, 1.0, 0.0, ms);
    connect(animation, &QPropertyAnimation::finished, this, &CenterView::hideWidget);
    OpacityFade::run(animation);
}
