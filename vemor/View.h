#pragma once

#include "ButtonStatus.h"
#include "BuzzerConfig.h"
#include "LedColor.h"
#include "PcuMessage.h"

#include <QString>
#include <QWidget>

// The platform's view: the one application widget on the screen, and the
// application's way to the platform's outputs (CAN, LEDs, buzzer, backlight)
// and version queries.
class View : public QWidget {
    Q_OBJECT
public:
    explicit View(QWidget* parent = nullptr);
    ~View() override;

    virtual bool handleNewButtonStatus(ButtonStatus s);
    virtual void initGraphics();
    virtual bool handleNewMessage(PcuMessage* m);
    virtual void closeView();
    virtual void handleNewAccelerometerData(int x, int y, int z);
    virtual void handleNewGyroData(int x, int y, int z);
    virtual void handleNewMagnetData(int x, int y, int z);
    virtual void newLightSensorValue(unsigned int value);
    virtual void wrongVersion();
    virtual void handleXonXoff(unsigned char x);
    virtual void cyclicUpdate();
    virtual void cpuInfo(QString serial, QString hardware);
    virtual void osVer(QString version);
    virtual void bootVer(QString version);

    // Version queries; the answers arrive later through cpuInfo(), bootVer(), osVer().
    void getCpuInfo();
    void getBootVer();
    void getOsVer();

    void sendCanMessage(unsigned long id, unsigned char* data, unsigned char len);
    void setLed(unsigned char led, LedColor colour);
    void setBuzzerStatus(BuzzerConfig* config);
    void setBacklightMode(bool autoMode, unsigned char level);
};
