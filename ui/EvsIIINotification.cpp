#include "ui/EvsIIINotification.h"

#include "ui_EvsIIINotification.h"

#include <QResizeEvent>

namespace {
const char* const TextStyle =
    "color: rgb(238, 238, 236); background-color: rgba(221, 161, 161, 0); font-size: 15px; ";
// Border width of the icon's frame in its style sheet.
const int IconFrame = 3;
const char* const LightBulb = "<html><img  src=\":/images/lightBulb.png\"/></html>";
const char* const Background =
    "background-color: qlineargradient(spread:pad, x1:1, y1:1, x2:1, y2:0, stop:0.925373 rgba(24, 53, 68, 230), "
    "stop:1 rgba(255, 255, 255, 0));";
} // namespace

EvsIIINotification::EvsIIINotification(QWidget* parent, EvsIIISubject* evsIII, SoftButtonSubject* softButtons)
    : Notification(parent)
    , EvsIIIObserver(evsIII)
    , SoftButtonObserver(softButtons)
    , ui(new Ui::EvsIIINotification)
{
    ui->setupUi(this);
    iconSource = ui->icon->pixmap(Qt::ReturnByValue);
    ui->text->setStyleSheet(QLatin1String(TextStyle));
    ui->hint->setStyleSheet(QLatin1String(TextStyle) + QLatin1String("font-size: 12px;"));
    hide();
    EvsIIIObserver::attach();
    SoftButtonObserver::attach();
}

EvsIIINotification::~EvsIIINotification()
{
    delete ui;
}

void EvsIIINotification::userGuideTextChanged(bool active, QString text)
{
    if (active) {
        ui->text->setText(QLatin1String(LightBulb) + text);
        fadein();
    } else {
        fadeout();
    }
}

void EvsIIINotification::buttonPressed(unsigned int)
{
    fadeout();
}

QLabel* EvsIIINotification::iconLabel() const
{
    return ui->icon;
}

QLabel* EvsIIINotification::textLabel() const
{
    return ui->text;
}

QLabel* EvsIIINotification::hintLabel() const
{
    return ui->hint;
}

void EvsIIINotification::resizeEvent(QResizeEvent* event)
{
    Notification::resizeEvent(event);
    setStyleSheet(QLatin1String(Background));
    setAutoFillBackground(true);
    const int side = qMax(0, height() - 30);
    ui->icon->setFixedSize(side, side);
    // The picture is drawn for larger screens; fit it inside the frame
    // instead of showing a cropped middle.
    const int inner = qMax(1, side - 2 * IconFrame);
    ui->icon->setPixmap(iconSource.scaled(inner, inner, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
