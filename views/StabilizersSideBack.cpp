#include "views/StabilizersSideBack.h"

#include "views/Arrow.h"

#include <QLabel>
#include <QPointF>

namespace {

// Where each lamp's top-left corner sits, as fractions of the truck picture.
const QPointF FRONT_STAB_DOWNEXT_SCALE(0.43, 0.0);
const QPointF LEFT_SIDESTAB_DOWNEXT_SCALE(0.04, 0.34);
const QPointF LEFT_SIDESTAB_SIDEEXT_SCALE(0.18, 0.21);
const QPointF RIGHT_SIDESTAB_DOWNEXT_SCALE(0.83, 0.34);
const QPointF RIGHT_SIDESTAB_SIDEEXT_SCALE(0.67, 0.205);
const QPointF LEFT_BACKSTAB_DOWNEXT_SCALE(0.0, 0.86);
const QPointF LEFT_BACKSTAB_SIDEEXT_SCALE(0.15, 0.77);
const QPointF RIGHT_BACKSTAB_DOWNEXT_SCALE(0.9, 0.86);
const QPointF RIGHT_BACKSTAB_SIDEEXT_SCALE(0.75, 0.77);
const QPointF PAS_STAB_DOWNEXT_SCALE(0.45, 0.98);

// Where each arrow's centre sits.
const QPointF LEFT_SIDESTAB_ARROW_SCALE(0.15, 0.495);
const QPointF LEFT_BACKSTAB_ARROW_SCALE(0.15, 1.0);
const QPointF RIGHT_SIDESTAB_ARROW_SCALE(0.83, 0.49);
const QPointF RIGHT_BACKSTAB_ARROW_SCALE(0.85, 1.0);

const QPointF IndicatorScale[StabIndicationSubject::NumberOfStabs] = {
    FRONT_STAB_DOWNEXT_SCALE,     LEFT_SIDESTAB_DOWNEXT_SCALE, LEFT_SIDESTAB_SIDEEXT_SCALE,
    RIGHT_SIDESTAB_DOWNEXT_SCALE, RIGHT_SIDESTAB_SIDEEXT_SCALE, LEFT_BACKSTAB_DOWNEXT_SCALE,
    LEFT_BACKSTAB_SIDEEXT_SCALE,  RIGHT_BACKSTAB_DOWNEXT_SCALE, RIGHT_BACKSTAB_SIDEEXT_SCALE,
    PAS_STAB_DOWNEXT_SCALE,
};

const QPointF ArrowScale[StabilizersSideBack::NumberOfArrows] = {
    LEFT_SIDESTAB_ARROW_SCALE,
    LEFT_BACKSTAB_ARROW_SCALE,
    RIGHT_SIDESTAB_ARROW_SCALE,
    RIGHT_BACKSTAB_ARROW_SCALE,
};

} // namespace

StabilizersSideBack::StabilizersSideBack(OscillatorSubject* osc, QWidget* parent)
    : QWidget(parent)
    , oscillator(osc)
{
    setObjectName(QStringLiteral("StabilizersSideBack"));
    resize(426, 300);

    // Created first so the lamps and arrows lie on top of it.
    picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setStyleSheet(QStringLiteral("QLabel{background:transparent}"));

    for (int i = 0; i < StabIndicationSubject::NumberOfStabs; ++i) {
        indicators[i] = new ColorIndicator(oscillator, this);
        indicators[i]->setObjectName(QStringLiteral("indicator%1").arg(i));
        indicators[i]->setColor(ColorIndicator::GRAY);
    }
    for (int i = 0; i < NumberOfArrows; ++i) {
        arrows[i] = new Arrow(oscillator, true, this);
        arrows[i]->setObjectName(QStringLiteral("arrow%1").arg(i));
        arrows[i]->setColor(Arrow::GREEN);
    }
    setExtraStabEnabled(false);
}

StabilizersSideBack::~StabilizersSideBack() = default;

ColorIndicator* StabilizersSideBack::indicator(stab_t stab) const
{
    return StabIndicationSubject::isValidStab(stab) ? indicators[stab] : nullptr;
}

Arrow* StabilizersSideBack::arrow(arrow_t which) const
{
    return which >= 0 && which < NumberOfArrows ? arrows[which] : nullptr;
}

void StabilizersSideBack::showStabIndicator(stab_t stab)
{
    if (ColorIndicator* i = indicator(stab))
        i->show();
}

void StabilizersSideBack::hideStabIndicator(stab_t stab)
{
    if (ColorIndicator* i = indicator(stab))
        i->hide();
}

void StabilizersSideBack::setStabIncicatorColor(stab_t stab, ColorIndicator::indicatiorColor_t color)
{
    if (ColorIndicator* i = indicator(stab))
        i->setColor(color);
}

void StabilizersSideBack::blinkStabIndicator(stab_t stab, bool on)
{
    if (ColorIndicator* i = indicator(stab))
        i->setBlinking(on);
}

void StabilizersSideBack::showSideActivationIndicators(bool show)
{
    for (Arrow* a : arrows)
        a->setVisible(show);
}

void StabilizersSideBack::blinkSideActivationIndicators(StabilizersSideBack::side_t side, bool on)
{
    Arrow* pair[2] = {};
    if (side == LEFT) {
        pair[0] = arrows[LEFT_SIDE_ARROW];
        pair[1] = arrows[LEFT_BACK_ARROW];
    } else if (side == RIGHT) {
        pair[0] = arrows[RIGHT_SIDE_ARROW];
        pair[1] = arrows[RIGHT_BACK_ARROW];
    } else {
        return;
    }
    for (Arrow* a : pair) {
        a->setColor(on ? Arrow::GREEN : Arrow::GREY);
        a->setBlinking(on);
    }
}

void StabilizersSideBack::setExtraStabEnabled(bool enabled)
{
    extraStabEnabled = enabled;
    const QPixmap source(enabled ? QStringLiteral(":/images/stab/TruckSideBack.png")
                                 : QStringLiteral(":/images/stab/TruckSide.png"));
    arrows[LEFT_BACK_ARROW]->setVisible(enabled);
    arrows[RIGHT_BACK_ARROW]->setVisible(enabled);

    const QSize box(static_cast<int>(width() * 0.9), static_cast<int>(height() * 0.9));
    QPixmap scaled;
    if (!source.isNull() && !box.isEmpty())
        scaled = source.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const QSize size = scaled.size();
    picturePos = QPoint(width() / 2 - size.width() / 2, height() / 2 - size.height() / 2);
    picture->setFixedSize(size);
    picture->setStyleSheet(QStringLiteral("QLabel{background:transparent}"));
    picture->setPixmap(scaled);
    picture->move(picturePos);
    pictureSz = size;
    updatePositionsAndSize();
}

void StabilizersSideBack::updatePositionsAndSize()
{
    const double w = pictureSz.width();
    const double h = pictureSz.height();
    if (w < 0 || h < 0)
        return;
    const int size = static_cast<int>(h * 0.1);
    for (int i = 0; i < StabIndicationSubject::NumberOfStabs; ++i) {
        indicators[i]->setSize(size);
        indicators[i]->move(static_cast<int>(picturePos.x() + w * IndicatorScale[i].x()),
                            static_cast<int>(picturePos.y() + h * IndicatorScale[i].y()));
    }
    for (int i = 0; i < NumberOfArrows; ++i)
        arrows[i]->moveAtCenter(static_cast<int>(picturePos.x() + w * ArrowScale[i].x()),
                                static_cast<int>(picturePos.y() + h * ArrowScale[i].y()));
}

void StabilizersSideBack::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    setExtraStabEnabled(extraStabEnabled);
}
