#include "View.h"

#include "VemorPlatform.h"

View::View(QWidget* parent)
    : QWidget(parent)
{
}

View::~View() = default;

bool View::handleNewButtonStatus(ButtonStatus)
{
    return true;
}

void View::initGraphics() {}

bool View::handleNewMessage(PcuMessage*)
{
    return true;
}

void View::closeView() {}
void View::handleNewAccelerometerData(int, int, int) {}
void View::handleNewGyroData(int, int, int) {}
void View::handleNewMagnetData(int, int, int) {}
void View::newLightSensorValue(unsigned int) {}
void View::wrongVersion() {}
void View::handleXonXoff(unsigned char) {}
void View::cyclicUpdate() {}
void View::cpuInfo(QString, QString) {}
void View::osVer(QString) {}
void View::bootVer(QString) {}

void View::getCpuInfo()
{
    VemorPlatform::instance()->requestVersion(this, VemorPlatform::CpuInfo);
}

void View::getBootVer()
{
    VemorPlatform::instance()->requestVersion(this, VemorPlatform::BootVersion);
}

void View::getOsVer()
{
    VemorPlatform::instance()->requestVersion(this, VemorPlatform::OsVersion);
}

void View::sendCanMessage(unsigned long id, unsigned char* data, unsigned char len)
{
    VemorPlatform::instance()->transmitCan(static_cast<unsigned int>(id), data, len);
}

void View::setLed(unsigned char led, LedColor colour)
{
    VemorPlatform::instance()->setLed(led, colour);
}

void View::setBuzzerStatus(BuzzerConfig* config)
{
    if (config)
        VemorPlatform::instance()->setBuzzer(*config);
}

void View::setBacklightMode(bool autoMode, unsigned char level)
{
    VemorPlatform::instance()->setBacklight(autoMode, level);
}
