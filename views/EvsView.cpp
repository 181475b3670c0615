#include "views/EvsView.h"

#include "model/LanguageSubject.h"
#include "ui/InvalidLook.h"
#include "ui/StyleSheets.h"
#include "ui/WidgetUpdate.h"

#include "ui_EvsView.h"

#include <QProgressBar>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace {

constexpr LanguageSupport::translations_t TitleText = 31;

const char* const PlusEdge =
    "QProgressBar {border-top-left-radius: 0px; border-bottom-left-radius: 0px; border-left-width: 1px;}";
const char* const MinusEdge =
    "QProgressBar {border-top-right-radius: 0px; border-bottom-right-radius: 0px; border-right-width: 1px;}";
const char* const TransparentLabel = "QLabel{background:transparent}";

// Beyond full scale the bars and pictures stay at full scale; a value that is
// not a number reads as level.
float limitPercent(float percent)
{
    if (!std::isfinite(percent))
        return 0.0f;
    return std::clamp(percent, -100.0f, 100.0f);
}

} // namespace

EvsView::EvsView(EvsSubject* evs, UiGenerationSubject* uiGeneration, QWidget* parent)
    : CenterView(parent)
    , EvsObserver(evs)
    , UiGenerationObserver(uiGeneration)
    , ui(new Ui::evsview)
{
    ui->setupUi(this);
    InvalidLook::apply(this);
    truckFront = QPixmap(QStringLiteral(":/images/Lastbil_forfra_100x100.png"));
    truckSide = QPixmap(QStringLiteral(":/images/truck-side_226x100.png"));
    if (LanguageSubject::languageSupport)
        title = LanguageSubject::languageSupport->getText(TitleText);
    loadGenerationIcons();
    initGraphics();
    rotateTruckFront(0);
    rotateTruckSide(0);
}

EvsView::~EvsView()
{
    onSuspend();
    delete ui;
}

void EvsView::onResume()
{
    if (resumed)
        return;
    resumed = true;
    EvsObserver::attach();
    UiGenerationObserver::attach();
}

void EvsView::onSuspend()
{
    if (!resumed)
        return;
    resumed = false;
    EvsObserver::detach();
    UiGenerationObserver::detach();
}

void EvsView::initGraphics()
{
    setXprogressbar(0);
    setYprogressbar(0);
}

void EvsView::loadGenerationIcons()
{
    icon = UiGenerationObserver::getIcon(ICON_EVS);
    const QPixmap x = UiGenerationObserver::getIcon(ICON_EVS_X);
    const QPixmap y = UiGenerationObserver::getIcon(ICON_EVS_Y);
    const int h = ui->label_xIcon->maximumHeight();
    if (!x.isNull())
        ui->label_xIcon->setPixmap(x.scaled(h, h, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    if (!y.isNull())
        ui->label_yIcon->setPixmap(y.scaled(h, h, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void EvsView::uiGenerationChanged(uiGenerations_t)
{
    loadGenerationIcons();
}

void EvsView::evsXpctChanged(float percent, bool valid)
{
    const float limited = limitPercent(percent);
    setXprogressbar(static_cast<int>(limited));
    // The bars keep following the value, in grey while it is invalid.
    ui->progressBar_Xminus->setEnabled(valid);
    ui->progressBar_Xplus->setEnabled(valid);
    rotateTruckFront(limited * 0.1f);
    ui->label_xIcon->setEnabled(valid);
    ui->label_x->setEnabled(valid);
    ui->label_x->setText(QStringLiteral(" ") + getEvsXString());
}

void EvsView::evsYpctChanged(float percent, bool valid)
{
    const float limited = limitPercent(percent);
    setYprogressbar(static_cast<int>(limited));
    ui->progressBar_Yminus->setEnabled(valid);
    ui->progressBar_Yplus->setEnabled(valid);
    rotateTruckSide(limited * 0.1f);
    ui->label_yIcon->setEnabled(valid);
    ui->label_y->setEnabled(valid);
    ui->label_y->setText(QStringLiteral(" ") + getEvsYString());
}

void EvsView::evsCalibrationLevelChanged(bool valid)
{
    ui->CalibrationLevel->setText(QStringLiteral(" ") + getCalibrationLevelString());
    ui->CalibrationLevel->setEnabled(valid);
    ui->label->setEnabled(valid);
}

void EvsView::setXprogressbar(int value)
{
    setBarPair(ui->progressBar_Xminus, ui->progressBar_Xplus, value);
}

void EvsView::setYprogressbar(int value)
{
    setBarPair(ui->progressBar_Yminus, ui->progressBar_Yplus, value);
}

void EvsView::setBarPair(QProgressBar* minus, QProgressBar* plus, int value)
{
    setProgressBarValue(plus, value > 0 ? value : 0, QLatin1String(PlusEdge));
    setProgressBarValue(minus, value < 0 ? -value : 0, QLatin1String(MinusEdge));
}

void EvsView::setProgressBarValue(QProgressBar* bar, int value, QString edgeStyle)
{
    if (!bar)
        return;
    QString style;
    if (value < 80)
        style = QStringLiteral(PROGRESSBAR_GREEN);
    else if (value > 89)
        style = QStringLiteral(PROGRESSBAR_RED);
    else
        style = QStringLiteral(PROGRESSBAR_YELLOW);
    style += edgeStyle;
    if (bar->styleSheet() != style)
        bar->setStyleSheet(style);
    bar->setValue(value);
}

void EvsView::rotateTruckFront(float degrees)
{
    if (truckFront.isNull())
        return;
    const QPixmap rotated = truckFront.transformed(QTransform().rotate(degrees), Qt::SmoothTransformation);
    // Cut the unrotated size out of the middle so the picture keeps its place and size.
    const QRect cut((rotated.width() - truckFront.width()) / 2, (rotated.height() - truckFront.height()) / 2,
                    truckFront.width(), truckFront.height());
    ui->truckfront->setPixmap(rotated.copy(cut));
    WidgetUpdate::setStyleSheet(ui->truckfront, QLatin1String(TransparentLabel));
    ui->truckfront->setFixedSize(120, 141);
}

void EvsView::rotateTruckSide(float degrees)
{
    if (truckSide.isNull())
        return;
    ui->truckside->setPixmap(truckSide.transformed(QTransform().rotate(degrees), Qt::SmoothTransformation));
    WidgetUpdate::setStyleSheet(ui->truckside, QLatin1String(TransparentLabel));
    ui->truckside->setFixedSize(300, 200);
}
