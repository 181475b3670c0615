#include "views/logoprogressbar_twoway.h"

#include "ui/InvalidLook.h"
#include "ui/StyleSheets.h"
#include "ui/WidgetUpdate.h"
#include "views/LogoProgressbar.h"
#include "ui_logoprogressbar_twoway.h"

#include <algorithm>

namespace {
// The two bars meet in the middle: square, thin borders there.
const char* const LeftEdge =
    "QProgressBar {border-top-right-radius: 0px; border-bottom-right-radius: 0px; border-right-width: 1px;}";
const char* const RightEdge =
    "QProgressBar {border-top-left-radius: 0px; border-bottom-left-radius: 0px; border-left-width: 1px;}";
} // namespace

logoprogressbar_twoway::logoprogressbar_twoway(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::logoprogressbar_twoway)
{
    ui->setupUi(this);
    ui->label_value->setMinimumWidth(LogoProgressbar::valueColumnWidth(ui->label_value->font()));
    ui->label_icon->setPixmap(QPixmap(QStringLiteral(":/images/error_white.png")));
    InvalidLook::apply(this);
    setValue(0);
    setText(QStringLiteral("-"));
}

logoprogressbar_twoway::~logoprogressbar_twoway()
{
    delete ui;
}

void logoprogressbar_twoway::setValue(int value)
{
    int left = 0;
    int right = 0;
    // Negated in a wider type: the most negative int has no positive twin.
    if (value < 0)
        left = static_cast<int>(std::min<long long>(-static_cast<long long>(value), 100));
    else if (value > 0)
        right = std::min(value, 100);
    setProgressBarValue(ui->progressBar_left, left, QString::fromLatin1(LeftEdge));
    setProgressBarValue(ui->progressBar_right, right, QString::fromLatin1(RightEdge));
}

void logoprogressbar_twoway::setProgressBarValue(QProgressBar* bar, int value, const QString& edgeStyle)
{
    QString style;
    if (value > highLimit)
        style = QStringLiteral(PROGRESSBAR_RED);
    else if (value <= lowLimit)
        style = QStringLiteral(PROGRESSBAR_GREEN);
    else
        style = QStringLiteral(PROGRESSBAR_YELLOW);
    WidgetUpdate::setStyleSheet(bar, style + edgeStyle);
    bar->setValue(value);
}

void logoprogressbar_twoway::setText(QString text)
{
    WidgetUpdate::setText(ui->label_value, text);
}

void logoprogressbar_twoway::setColorLimits(int low, int high)
{
    lowLimit = low;
    highLimit = high;
}

void logoprogressbar_twoway::setLogo(QPixmap pixmap)
{
    logo = pixmap;
    scaleLogo();
}

void logoprogressbar_twoway::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    scaleLogo();
}

void logoprogressbar_twoway::scaleLogo()
{
    if (logo.isNull())
        return;
    const int w = ui->label_icon->width();
    const int h = ui->label_icon->height();
    if (w <= 0 || h <= 0)
        return;
    ui->label_icon->setPixmap(logo.scaled(w, h, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
