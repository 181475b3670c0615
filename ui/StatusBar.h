#pragma once

#include "model/CbsObserver.h"
#include "model/ClockObserver.h"
#include "model/EptoObserver.h"
#include "model/EvsIIIObserver.h"
#include "model/InfocenterObserver.h"
#include "model/MooringObserver.h"
#include "model/UiGenerationObserver.h"
#include "platform/BatteryObserver.h"
#include "platform/RcLinkObserver.h"
#include "ui/Icons.h"

#include <QList>
#include <QWidget>

class Icon;
class QTimer;
namespace Ui {
class statusBar;
}

// The row above the centre view: clock, status and info-centre icons, EPTO
// battery, radio link and handheld battery. Fed by the link, battery,
// info-centre, mooring, clock, CBS, EPTO and EVS III subjects.
class StatusBar : public QWidget,
                  public RcLinkObserver,
                  public BatteryObserver,
                  public InfocenterObserver,
                  public MooringObserver,
                  public ClockObserver,
                  public CbsObserver,
                  public UiGenerationObserver,
                  public EptoObserver,
                  public EvsIIIObserver {
    Q_OBJECT
public:
    StatusBar(RcLinkSubject* rcLink, BatterySubject* battery, InfocenterInfoSubject* infocenter,
              MooringSubject* mooring, ClockSubject* clock, CbsSubject* cbs, UiGenerationSubject* generation,
              EptoSubject* epto, EvsIIISubject* evsIII);
    ~StatusBar() override;

    void isCabledChanged(bool cabled) override;
    void signalStrengthChanged(unsigned int strength) override;
    void batteryLevelChanged(unsigned int level) override;
    void mooringStateChanged(MooringSubject::mooringState_t state) override;
    void clockStringChanged(QString text) override;
    void cbsActiveChanged(bool active) override;
    void iconId1Changed(unsigned int id) override;
    void iconId2Changed(unsigned int id) override;
    void eptoDetectedChanged(bool detected) override;
    void eptoChargingChanged(bool charging) override;
    void eptoBatteryLevelChanged(unsigned int level) override;
    void eptoActiveChanged(bool active) override;
    void eptoErrorChanged(bool error) override;
    void eptoTooHotChanged(bool tooHot) override;
    void eptoStopPressedChanged(bool pressed) override;
    void slmLoadChanged(float load) override;

    void showNotification(notificationIds_t id);
    void hideNotification(notificationIds_t id);
    void showNotification(InfoCenterMessages_t id);
    void hideNotification(InfoCenterMessages_t id);
    void setNotificationValue(InfoCenterMessages_t id, float value, int decimals);

    const QList<Icon*>& getStatusIcons() const { return statusIcons; }
    const QList<Icon*>& getInfoCenterIcons() const { return infoCenterIcons; }

public slots:
    void updateEptoIcon();
    void updateChargingAnimation();

private:
    void updateLinkIcon();
    void updateLegacyIcons();
    void setBarStyle(QWidget* bar, bool green);

    Ui::statusBar* ui;
    uiGenerations_t generation;
    bool isCabled = false;
    bool eptoCharging = false;
    unsigned int slmLoad = 0;
    unsigned int eptoLevel = 0;
    unsigned int signalStrength = 0;
    unsigned int previousIcon1 = 0;
    unsigned int currentIcon1 = 0;
    unsigned int previousIcon2 = 0;
    unsigned int currentIcon2 = 0;
    QList<Icon*> statusIcons;
    QList<Icon*> infoCenterIcons;
    QTimer* chargingTimer;
    float animationLevel = 0.0f;
    bool eptoError = false;
    bool eptoTooHot = false;
    bool eptoStopPressed = false;
    QString linkIconPath;
};
