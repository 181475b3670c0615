#pragma once

#include "View.h"

class VemorViewMaster;
class nordelappwidget;
class VemorRcSoftButtonSubject;
class vemorRcRcLinkSubject;
class VemorRcBatterySubject;
class VemorRcLeverPositionSubject;
class VemorRcDeviceInfoSubject;
class VemorRcButtonSubject;
class VemorRcBacklightSubject;
class VemorRcCanSubject;
class VemorRcLedControl;
class VemorRcBuzzerCtrlSubject;
namespace Ui {
class vemortopureqt;
}

// The application's one platform view: the bridge from platform messages to
// the hardware-backed subjects, and the parent of the whole widget tree.
class VemorToQt : public View {
    Q_OBJECT
public:
    VemorToQt(VemorViewMaster* master, QWidget* parent = nullptr);
    ~VemorToQt() override;

    bool handleNewButtonStatus(ButtonStatus s) override;
    bool handleNewMessage(PcuMessage* m) override;
    void wrongVersion() override;
    void handleXonXoff(unsigned char x) override;
    void cpuInfo(QString serial, QString hardware) override;
    void osVer(QString version) override;
    void bootVer(QString version) override;

    void handleSystemMessage(PcuMessage* m);
    void handleCanMessage(PcuMessage* m);

    VemorViewMaster* viewMaster() const { return master; }
    nordelappwidget* appWidget() const { return app; }

    // The hardware-backed subjects and outputs the constructor created (the
    // most recent view's, as there is one per process).
    static VemorRcSoftButtonSubject* softButtonSubject();
    static vemorRcRcLinkSubject* rcLinkSubject();
    static VemorRcBatterySubject* batterySubject();
    static VemorRcLeverPositionSubject* leverPositionSubject();
    static VemorRcDeviceInfoSubject* deviceInfoSubject();
    static VemorRcButtonSubject* buttonSubject();
    static VemorRcBacklightSubject* backlightSubject();
    static VemorRcCanSubject* canSubject();
    static VemorRcLedControl* ledControl();
    static VemorRcBuzzerCtrlSubject* buzzerSubject();

    static VemorToQt* intance;

private:
    Ui::vemortopureqt* ui;
    VemorViewMaster* master;
    nordelappwidget* app = nullptr;
    bool osVerReceived = false;
    bool cpuInfoReceived = false;
    bool bootVerReceived = false;
};
