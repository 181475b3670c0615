#pragma once

#include "model/RclInfoObserver.h"
#include "platform/AppVersionOberver.h"
#include "platform/ButtonObserver.h"
#include "platform/DeviceInfoObserver.h"
#include "platform/LeverPositionObserver.h"
#include "ui/CenterView.h"
#include "views/WifiObserver.h"

#include <QList>

class AppVerSubject;
class ButtonSubject;
class DeviceInfoSubject;
class LeverPositionSubject;
class QLabel;
class RclInfoSubject;
class WifiSubject;

namespace Ui {
class infoview;
}

// Service page: versions and serial numbers of display and controller, the
// Wi-Fi link, and the live state of the forty digital inputs and eight lever
// values. Fed by the platform subjects, the controller identity and the
// Wi-Fi subject while on display.
class Infoview : public CenterView,
                 public LeverPositionObserver,
                 public RclInfoObserver,
                 public AppVersionOberver,
                 public DeviceInfoObserver,
                 public ButtonObserver,
                 public WifiObserver {
    Q_OBJECT
public:
    static constexpr int NumberOfDigitalInputs = 40;
    static constexpr int NumberOfLevers = 8;

    Infoview(LeverPositionSubject* levers, RclInfoSubject* rclInfo, AppVerSubject* appVersion,
             DeviceInfoSubject* deviceInfo, ButtonSubject* buttons, WifiSubject* wifi, QWidget* parent = nullptr);
    ~Infoview() override;

    void onResume() override;
    void onSuspend() override;

    void serialNumberChanged(unsigned int serialNumber) override;
    void deviceHardwareVersionChanged(QString version) override;
    void deviceSerialNumberChanged(QString serialNumber) override;
    void deviceBootVersionChanged(QString version) override;
    void deviceOSVersionChanged(QString version) override;
    void wifiSsidChanged(QString ssid) override;
    void wifiIpChanged(QString ip) override;
    void wifiSignalQualityChanged(int pct) override;
    void buttonStateChanged(unsigned int n, bool pressed) override;
    void leverPositionChanged(unsigned char lever, int position) override;

private:
    void setAnalogLabel(QLabel* label, int value);

    Ui::infoview* ui;
    QList<QLabel*> digitalLabels;
    QLabel* analogLabels[NumberOfLevers] = {};
    bool resumed = false;
};
