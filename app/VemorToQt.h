#pragma once

#include "View.h"

class VemorViewMaster;
class nordelappwidget;
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

    static VemorToQt* intance;

private:
    Ui::vemortopureqt* ui;
    VemorViewMaster* master;
    nordelappwidget* app = nullptr;
    bool osVerReceived = false;
    bool cpuInfoReceived = false;
    bool bootVerReceived = false;
};
