#include "StatusBar.h"

#include "ui/Icon.h"
#include "ui/InvalidLook.h"
#include "ui/StyleSheets.h"

#include "ui_statusBar.h"

#include <QTimer>

namespace {
// Width range of the clock label in the form.
constexpr int ClockMinWidth = 38;
constexpr int ClockMaxWidth = 60;
// The bar's 21 pixels less the line under the row and the bottom margin.
constexpr int RowHeight = 19;

const char* const EptoActiveStyle =
    "background-color : green; border-radius: 4px; border-style: outset; border-width: 1px; border-color: black;";

void setStyleIfChanged(QWidget* w, const QString& style)
{
    // Style sheet changes are the costliest thing a value update can trigger.
    if (w->styleSheet() != style)
        w->setStyleSheet(style);
}
} // namespace

StatusBar::StatusBar(RcLinkSubject* rcLink, BatterySubject* battery, InfocenterInfoSubject* infocenter,
                     MooringSubject* mooring, ClockSubject* clock, CbsSubject* cbs, UiGenerationSubject* gen,
                     EptoSubject* epto, EvsIIISubject* evsIII)
    : QWidget(nullptr)
    , RcLinkObserver(rcLink)
    , BatteryObserver(battery)
    , InfocenterObserver(infocenter)
    , MooringObserver(mooring)
    , ClockObserver(clock)
    , CbsObserver(cbs)
    , UiGenerationObserver(gen)
    , EptoObserver(epto)
    , EvsIIIObserver(evsIII)
    , ui(new Ui::statusBar)
    , generation(gen ? gen->generation : UI_GEN3)
    , chargingTimer(new QTimer(this))
{
    ui->setupUi(this);
    for (QProgressBar* bar : {ui->progressBar_radio, ui->progressBar_battery, ui->progressBar_epto})
        InvalidLook::watch(bar);
    ui->label_Clock->setContentsMargins(0, 0, 2, 0);
    chargingTimer->setSingleShot(true);
    connect(chargingTimer, &QTimer::timeout, this, &StatusBar::updateChargingAnimation);
    ui->progressBar_radio->setRange(0, 100);
    ui->progressBar_battery->setRange(0, 100);
    ui->progressBar_radio->setStyleSheet(QStringLiteral(PROGRESSBAR_GREEN));
    ui->progressBar_battery->setStyleSheet(QStringLiteral(PROGRESSBAR_GREEN));
    ui->label_epto->hide();
    ui->progressBar_epto->hide();
    // The active EPTO frame adds two pixels to the picture: held to the row's
    // height, the label can no longer push the line below out of the bar.
    ui->label_epto->setMaximumHeight(RowHeight);

    RcLinkObserver::attach();
    BatteryObserver::attach();
    InfocenterObserver::attach();
    MooringObserver::attach();
    ClockObserver::attach();
    CbsObserver::attach();
    EptoObserver::attach();
    EvsIIIObserver::attach();
    ui->label_Clock->hide();
}

StatusBar::~StatusBar()
{
    chargingTimer->stop();
    delete ui;
}

void StatusBar::setBarStyle(QWidget* bar, bool green)
{
    setStyleIfChanged(bar, green ? QStringLiteral(PROGRESSBAR_GREEN) : QStringLiteral(PROGRESSBAR_RED));
}

void StatusBar::signalStrengthChanged(unsigned int strength)
{
    signalStrength = strength;
    updateLinkIcon();
    ui->progressBar_radio->setValue(static_cast<int>(qMin(strength, 100u)));
    setBarStyle(ui->progressBar_radio, strength > 20);
}

void StatusBar::isCabledChanged(bool cabled)
{
    isCabled = cabled;
    updateLinkIcon();
}

void StatusBar::updateLinkIcon()
{
    QString path;
    if (signalStrength == 0)
        path = QStringLiteral(":/images/Logoes/no_signal_50x50.png");
    else if (isCabled)
        path = QStringLiteral(":/images/Logoes/wired_50x50.png");
    else
        path = QStringLiteral(":/images/Logoes/signal.png");
    if (path == linkIconPath)
        return;
    linkIconPath = path;
    const int h = qMax(1, ui->label_signal->height());
    ui->label_signal->setPixmap(QPixmap(path).scaledToHeight(h, Qt::SmoothTransformation));
}

void StatusBar::batteryLevelChanged(unsigned int level)
{
    ui->progressBar_battery->setValue(static_cast<int>(qMin(level, 100u)));
    setBarStyle(ui->progressBar_battery, level > 30);
}

void StatusBar::clockStringChanged(QString text)
{
    ui->label_Clock->setText(text);
    // A crowded row would squeeze the clock below its text and cut off its
    // first and last digits; it keeps the room it needs. The 12-hour clock
    // ("12:59pm") in the embedded bold face is wider than the form's widest
    // clock, so that one limit gives way to the text.
    const int needed = ui->label_Clock->sizeHint().width();
    const int widest = qMax(ClockMaxWidth, needed);
    ui->label_Clock->setMaximumWidth(widest);
    ui->label_Clock->setMinimumWidth(qBound(ClockMinWidth, needed, widest));
    ui->label_Clock->show();
}

void StatusBar::showNotification(notificationIds_t id)
{
    for (Icon* icon : statusIcons) {
        if (icon->getId() == static_cast<int>(id))
            return;
    }
    const QString path = Icons::getNotificationPath(id);
    if (path.isEmpty())
        return;
    auto* icon = new Icon(QPixmap(path), static_cast<int>(id), this);
    statusIcons.append(icon);
    ui->notificationsLayout->addWidget(icon);
}

void StatusBar::hideNotification(notificationIds_t id)
{
    for (int i = 0; i < statusIcons.size(); ++i) {
        if (statusIcons.at(i)->getId() == static_cast<int>(id)) {
            delete statusIcons.takeAt(i);
            return;
        }
    }
}

void StatusBar::cbsActiveChanged(bool active)
{
    if (active)
        showNotification(NOTIFICATION_CBS);
    else
        hideNotification(NOTIFICATION_CBS);
}

void StatusBar::mooringStateChanged(MooringSubject::mooringState_t state)
{
    if (static_cast<int>(state) == 1) {
        showNotification(NOTIFICATION_MOORING_AUTO);
        hideNotification(NOTIFICATION_MOORING_LOCKED);
    } else if (static_cast<int>(state) == 2) {
        hideNotification(NOTIFICATION_MOORING_AUTO);
        showNotification(NOTIFICATION_MOORING_LOCKED);
    } else {
        hideNotification(NOTIFICATION_MOORING_AUTO);
        hideNotification(NOTIFICATION_MOORING_LOCKED);
    }
}

void StatusBar::iconId1Changed(unsigned int id)
{
    previousIcon1 = currentIcon1;
    currentIcon1 = id <= INFOCENTER_LAST ? id : 0;
    updateLegacyIcons();
}

void StatusBar::iconId2Changed(unsigned int id)
{
    previousIcon2 = currentIcon2;
    currentIcon2 = id <= INFOCENTER_LAST ? id : 0;
    updateLegacyIcons();
}

void StatusBar::updateLegacyIcons()
{
    hideNotification(static_cast<InfoCenterMessages_t>(previousIcon1));
    hideNotification(static_cast<InfoCenterMessages_t>(previousIcon2));
    if (currentIcon1 != 0)
        showNotification(static_cast<InfoCenterMessages_t>(currentIcon1));
    if (currentIcon2 != 0 && currentIcon2 != currentIcon1)
        showNotification(static_cast<InfoCenterMessages_t>(currentIcon2));
}

void StatusBar::showNotification(InfoCenterMessages_t id)
{
    for (Icon* icon : infoCenterIcons) {
        if (icon->getId() == static_cast<int>(id))
            return;
    }
    auto* icon = new Icon(Icons::getIcons(generation, id), static_cast<int>(id), this);
    infoCenterIcons.append(icon);
    ui->notificationsLayout->addWidget(icon);
    if (id == INFOCENTER_SLM_LOAD && slmLoad != 0)
        slmLoadChanged(static_cast<float>(slmLoad));
}

void StatusBar::hideNotification(InfoCenterMessages_t id)
{
    for (int i = 0; i < infoCenterIcons.size(); ++i) {
        if (infoCenterIcons.at(i)->getId() == static_cast<int>(id)) {
            delete infoCenterIcons.takeAt(i);
            return;
        }
    }
}

void StatusBar::slmLoadChanged(float load)
{
    slmLoad = load > 0.0f ? static_cast<unsigned int>(load) : 0u;
    setNotificationValue(INFOCENTER_SLM_LOAD, load, 1);
}

void StatusBar::setNotificationValue(InfoCenterMessages_t id, float value, int decimals)
{
    for (Icon* icon : infoCenterIcons) {
        if (icon->getId() == static_cast<int>(id))
            icon->setValue(value, decimals, QStringLiteral("%"));
    }
}

void StatusBar::eptoDetectedChanged(bool detected)
{
    ui->label_epto->setVisible(detected);
    ui->progressBar_epto->setVisible(detected);
}

void StatusBar::eptoActiveChanged(bool active)
{
    setStyleIfChanged(ui->label_epto, active ? QString::fromLatin1(EptoActiveStyle) : QString());
}

void StatusBar::eptoErrorChanged(bool error)
{
    eptoError = error;
    updateEptoIcon();
}

void StatusBar::eptoTooHotChanged(bool tooHot)
{
    eptoTooHot = tooHot;
    updateEptoIcon();
}

void StatusBar::eptoStopPressedChanged(bool pressed)
{
    eptoStopPressed = pressed;
    updateEptoIcon();
}

void StatusBar::updateEptoIcon()
{
    const char* path = ":/images/60_EPTO_BATTTERI_transparent.png";
    if (eptoStopPressed)
        path = ":/images/60_EPTO_BATTTERI_transparent_STOP.png";
    else if (eptoError)
        path = ":/images/60_EPTO_BATTTERI_transparent_ERR.png";
    else if (eptoTooHot)
        path = ":/images/60_EPTO_BATTTERI_transparent_HOT.png";
    else if (eptoCharging)
        path = ":/images/60_EPTO_BATTTERI_transparent_CHARGING.png";
    ui->label_epto->setPixmap(QPixmap(QString::fromLatin1(path)));
}

void StatusBar::eptoBatteryLevelChanged(unsigned int level)
{
    eptoLevel = qMax(level, 8u);
    if (!eptoCharging)
        ui->progressBar_epto->setValue(static_cast<int>(qMin(eptoLevel, 100u)));
    setBarStyle(ui->progressBar_epto, level > 30);
}

void StatusBar::eptoChargingChanged(bool charging)
{
    const bool started = charging && !eptoCharging;
    const bool changed = charging != eptoCharging;
    eptoCharging = charging;
    // The bolt shows only while the battery really charges.
    if (changed)
        updateEptoIcon();
    if (started) {
        chargingTimer->start(50);
    } else if (!charging) {
        chargingTimer->stop();
        eptoBatteryLevelChanged(eptoLevel);
        ui->progressBar_epto->setValue(static_cast<int>(qMin(eptoLevel, 100u)));
    }
}

void StatusBar::updateChargingAnimation()
{
    animationLevel += static_cast<float>(eptoLevel) / 20.0f;
    ui->progressBar_epto->setValue(qMin(static_cast<int>(animationLevel), 100));
    if (static_cast<float>(eptoLevel) > animationLevel) {
        chargingTimer->start(50);
    } else {
        animationLevel = 0.0f;
        chargingTimer->start(400);
    }
}
