#include "views/StabilizeView.h"

#include "model/LanguageSubject.h"
#include "views/BubbleLevel.h"
#include "views/StabilizersSideBack.h"

#include <QGridLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr LanguageSupport::translations_t TitleText = 61;

// One degree of inclination is a quarter of the dial; the bubble moves away
// from the low side, hence the sign. Far beyond the dial the value is capped
// so the conversion to int stays defined.
int tiltPercent(float degrees)
{
    if (!std::isfinite(degrees))
        return 0;
    const double percent = std::clamp(-(static_cast<double>(degrees) * 0.25) * 100.0, -10000.0, 10000.0);
    return static_cast<int>(percent);
}

} // namespace

StabilizeView::StabilizeView(EvsAvailableSubject* evsAvailable, InclinationSubject* inclination,
                             stabActiveSideSubject* activeSide, StabIndicationSubject* indication,
                             OscillatorSubject* oscillator, UiGenerationSubject* uiGeneration, QWidget* parent)
    : CenterView(parent)
    , EvsAvailableObserver(evsAvailable)
    , InclinationObserver(inclination)
    , ActiveStabSideObserver(activeSide)
    , StabIndicationObserver(indication)
    , UiGenerationObserver(uiGeneration)
{
    setObjectName(QStringLiteral("stabilizeview"));
    resize(406, 240);
    setMinimumSize(380, 240);
    setMaximumSize(406, 300);
    setAutoFillBackground(false);
    setStyleSheet(QString());

    gridLayout = new QGridLayout(this);
    gridLayout->setObjectName(QStringLiteral("gridLayout"));
    gridLayout->setContentsMargins(3, 3, 3, 3);
    bubble = new BubbleLevel(this);
    bubble->setLabel25Pct(QStringLiteral("1°"));
    bubble->setLabel50Pct(QStringLiteral("2°"));
    bubble->setLabel75Pct(QStringLiteral("3°"));
    stabilizers = new StabilizersSideBack(oscillator, this);
    gridLayout->addWidget(bubble, 0, 0);
    gridLayout->addWidget(stabilizers, 0, 1);

    if (LanguageSubject::languageSupport)
        title = LanguageSubject::languageSupport->getText(TitleText);
    icon = UiGenerationObserver::getIcon(ICON_STAB);
}

StabilizeView::~StabilizeView()
{
    onSuspend();
}

void StabilizeView::onResume()
{
    if (resumed)
        return;
    resumed = true;
    EvsAvailableObserver::attach();
    InclinationObserver::attach();
    ActiveStabSideObserver::attach();
    StabIndicationObserver::attach();
    UiGenerationObserver::attach();
}

void StabilizeView::onSuspend()
{
    if (!resumed)
        return;
    resumed = false;
    EvsAvailableObserver::detach();
    InclinationObserver::detach();
    ActiveStabSideObserver::detach();
    StabIndicationObserver::detach();
    UiGenerationObserver::detach();
}

void StabilizeView::evsAvailableChanged(bool available)
{
    bubble->setVisible(available);
}

void StabilizeView::inclinationXdegreeChanged(float degrees)
{
    if (!bubble->isHidden())
        bubble->setTiltXAxis(tiltPercent(degrees));
}

void StabilizeView::inclinationYdegreeChanged(float degrees)
{
    if (!bubble->isHidden())
        bubble->setTiltYAxis(tiltPercent(degrees));
}

void StabilizeView::activeStabSideChanged(activeStabSide_t side)
{
    switch (side) {
    case STAB_SIDE_LEFT:
        stabilizers->blinkSideActivationIndicators(StabilizersSideBack::RIGHT, false);
        stabilizers->blinkSideActivationIndicators(StabilizersSideBack::LEFT, true);
        break;
    case STAB_SIDE_RIGHT:
        stabilizers->blinkSideActivationIndicators(StabilizersSideBack::LEFT, false);
        stabilizers->blinkSideActivationIndicators(StabilizersSideBack::RIGHT, true);
        break;
    default:
        stabilizers->blinkSideActivationIndicators(StabilizersSideBack::LEFT, false);
        stabilizers->blinkSideActivationIndicators(StabilizersSideBack::RIGHT, false);
        break;
    }
}

void StabilizeView::stabEnabledChanged(stab_t stab, bool enabled)
{
    if (enabled)
        stabilizers->showStabIndicator(stab);
    else
        stabilizers->hideStabIndicator(stab);
}

void StabilizeView::stabSetIndicationChanged(stab_t stab, bool set)
{
    stabilizers->setStabIncicatorColor(stab, set ? ColorIndicator::GREEN : ColorIndicator::YELLOW);
}

void StabilizeView::stabExtraStabeEnabledChanged(bool enabled)
{
    stabilizers->setExtraStabEnabled(enabled);
}

void StabilizeView::uiGenerationChanged(uiGenerations_t)
{
    icon = UiGenerationObserver::getIcon(ICON_STAB);
}
