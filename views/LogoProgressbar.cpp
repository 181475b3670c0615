#include "views/LogoProgressbar.h"

#include "ui/InvalidLook.h"
#include "ui/StyleSheets.h"
#include "ui/WidgetUpdate.h"
#include "ui_LogoProgressbar.h"

#include <QColor>
#include <QFontMetrics>
#include <QSpacerItem>

namespace {
QString chunkStyle(const QColor& colour)
{
    return QStringLiteral(PROGRESSBAR "QProgressBar::chunk {background-color: ") + colour.name() + QLatin1Char('}');
}
} // namespace

int LogoProgressbar::valueColumnWidth(const QFont& font)
{
    constexpr int DesignWidth = 46;
    return qMax(DesignWidth, QFontMetrics(font).horizontalAdvance(QStringLiteral("-100%")) + 4);
}

LogoProgressbar::LogoProgressbar(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::logoProgressbar)
    , spacer(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum))
{
    ui->setupUi(this);
    ui->label_value->setMinimumWidth(valueColumnWidth(ui->label_value->font()));
    ui->label_icon->setPixmap(QPixmap(QStringLiteral(":/images/error_white.png")));
    InvalidLook::apply(this);
    QColor good(QStringLiteral("#008000"));
    QColor caution(QStringLiteral("#FFFF00"));
    QColor alarm(QStringLiteral("#FF0000"));
    setColors(&good, &caution, &alarm);
    ui->progressBar->setStyleSheet(goodStyle);
    setValue(0);
    setText(QStringLiteral("-"));
}

LogoProgressbar::~LogoProgressbar()
{
    // The layout deletes the spacer only while it holds it.
    if (barHidden)
        ui->horizontalLayout->removeItem(spacer);
    delete spacer;
    delete ui;
}

void LogoProgressbar::setValue(int value)
{
    QProgressBar* bar = ui->progressBar;
    // The bar ignores values outside its range; an overload should still
    // show a full bar.
    if (value > bar->maximum())
        bar->setValue(bar->maximum());
    bar->setValue(value);

    switch (direction) {
    case HIGH_IS_BAD:
        if (value >= highLimit)
            WidgetUpdate::setStyleSheet(bar, alarmStyle);
        else if (value < lowLimit)
            WidgetUpdate::setStyleSheet(bar, goodStyle);
        else
            WidgetUpdate::setStyleSheet(bar, cautionStyle);
        break;
    case HIGH_IS_GOOD:
        if (value >= highLimit)
            WidgetUpdate::setStyleSheet(bar, goodStyle);
        else if (value >= lowLimit)
            WidgetUpdate::setStyleSheet(bar, cautionStyle);
        else
            WidgetUpdate::setStyleSheet(bar, alarmStyle);
        break;
    }
}

void LogoProgressbar::setText(QString text)
{
    ui->label_value->setText(text);
}

void LogoProgressbar::setMaxValue(int max)
{
    ui->progressBar->setMaximum(max);
}

void LogoProgressbar::setColorLimits(int low, int high, direction_t dir)
{
    lowLimit = low;
    highLimit = high;
    direction = dir;
}

void LogoProgressbar::setColors(QColor* good, QColor* caution, QColor* alarm)
{
    if (good)
        goodStyle = chunkStyle(*good);
    if (caution)
        cautionStyle = chunkStyle(*caution);
    if (alarm)
        alarmStyle = chunkStyle(*alarm);
}

void LogoProgressbar::setLogo(QPixmap pixmap)
{
    logo = pixmap;
    scaleLogo();
}

void LogoProgressbar::hideProgressbarOnly()
{
    if (barHidden)
        return;
    ui->horizontalLayout->addItem(spacer);
    ui->progressBar->hide();
    barHidden = true;
}

void LogoProgressbar::showProgressbarOnly()
{
    if (!barHidden)
        return;
    ui->horizontalLayout->removeItem(spacer);
    ui->progressBar->show();
    barHidden = false;
}

void LogoProgressbar::setEnabled(bool enabled)
{
    QWidget::setEnabled(enabled);
}

void LogoProgressbar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    scaleLogo();
}

void LogoProgressbar::scaleLogo()
{
    if (logo.isNull())
        return;
    const int w = ui->label_icon->width();
    const int h = height() - 4;
    if (w <= 0 || h <= 0)
        return;
    ui->label_icon->setPixmap(logo.scaled(w, h, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
