#include "FullScreenMessage.h"

#include "ui_FullScreenMessage.h"

#include <QLayout>
#include <QTimer>

namespace {
// Smallest description font that still reads on the handheld.
constexpr qreal SmallestPointSize = 7.0;
constexpr qreal PointSizeStep = 0.5;
}

FullScreenMessage::FullScreenMessage(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::FullScreenMessage)
    , spinnerTimer(new QTimer(this))
{
    ui->setupUi(this);
    descriptionPointSize = ui->description->font().pointSizeF();
    // A long title in a longer language takes a second line rather than
    // running off both edges of the screen.
    ui->title->setWordWrap(true);
    spinnerTimer->setInterval(500);
    connect(spinnerTimer, &QTimer::timeout, this, &FullScreenMessage::updateSpinner);
    setTitle(QString());
    setDescription(QString());
    enableSpinner(false);
}

FullScreenMessage::~FullScreenMessage()
{
    delete ui;
}

QLabel* FullScreenMessage::iconLabel() const
{
    return ui->icon;
}

QLabel* FullScreenMessage::titleLabel() const
{
    return ui->title;
}

QLabel* FullScreenMessage::spinnerLabel() const
{
    return ui->spinner;
}

QLabel* FullScreenMessage::descriptionLabel() const
{
    return ui->description;
}

void FullScreenMessage::setTitle(QString text)
{
    ui->title->setText(text);
    ui->title->setVisible(!text.isEmpty());
}

void FullScreenMessage::setDescription(QString text)
{
    ui->description->setText(text);
    ui->description->setVisible(!text.isEmpty());
    fitDescription();
}

void FullScreenMessage::fitDescription()
{
    if (descriptionPointSize <= 0 || !layout())
        return;
    QFont f = ui->description->font();
    qreal size = descriptionPointSize;
    f.setPointSizeF(size);
    ui->description->setFont(f);
    if (ui->description->isHidden())
        return;
    for (;;) {
        layout()->invalidate();
        const int needed = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width())
                                                         : layout()->totalMinimumSize().height();
        if (needed <= height() || size - PointSizeStep < SmallestPointSize)
            return;
        size -= PointSizeStep;
        f.setPointSizeF(size);
        ui->description->setFont(f);
    }
}

void FullScreenMessage::setIcon(QPixmap pixmap)
{
    if (pixmap.isNull())
        return;
    ui->icon->setPixmap(pixmap.scaled(ui->icon->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void FullScreenMessage::setIconOnly(QPixmap pixmap)
{
    setTitle(QString());
    setDescription(QString());
    ui->icon->setAlignment(Qt::AlignCenter);
    ui->icon->setFixedWidth(width() + width() / 6);
    ui->icon->setFixedHeight(static_cast<int>(height() * 0.9));
    if (!pixmap.isNull())
        ui->icon->setPixmap(pixmap.scaled(ui->icon->width(), ui->icon->height(), Qt::KeepAspectRatio,
                                          Qt::SmoothTransformation));
}

void FullScreenMessage::enableSpinner(bool on)
{
    spinnerOn = on;
    ui->spinner->setVisible(on);
    if (on && isVisible())
        spinnerTimer->start();
    else if (!on)
        spinnerTimer->stop();
}

void FullScreenMessage::updateSpinner()
{
    QString dots(QChar(0x2022));
    for (int i = 1; i < spinnerStep; ++i)
        dots += QStringLiteral("\u2022\u2022");
    ui->spinner->setText(dots);
    spinnerStep = spinnerStep >= 3 ? 1 : spinnerStep + 1;
}

void FullScreenMessage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (spinnerOn)
        spinnerTimer->start();
}

void FullScreenMessage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitDescription();
}

void FullScreenMessage::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    spinnerTimer->stop();
}

void FullScreenMessage::setSplashScreenText(QString title, QString description)
{
    setTitle(title);
    setDescription(description);
}

void FullScreenMessage::setNoSignalText(QString title, QString description)
{
    setTitle(title);
    setDescription(description);
}

void FullScreenMessage::setSyncReqText(QString title, QString description)
{
    setTitle(title);
    setDescription(description);
}

void FullScreenMessage::setRclUpdateText(QString title, QString description)
{
    setTitle(title);
    setDescription(description);
}

void FullScreenMessage::setDisplayUpdateText(QString title, QString description)
{
    setTitle(title);
    setDescription(description);
}
