#include "VemorToQt.h"

#include "app/VemorViewMaster.h"
#include "app/nordelappwidget.h"
#include "can/VemorRcCanSubject.h"
#include "platform/VemorRcBacklightSubject.h"
#include "platform/VemorRcBatterySubject.h"
#include "platform/VemorRcButtonSubject.h"
#include "platform/VemorRcBuzzerCtrlSubject.h"
#include "platform/VemorRcDeviceInfoSubject.h"
#include "platform/VemorRcLedControl.h"
#include "platform/VemorRcLeverPositionSubject.h"
#include "platform/VemorRcSoftButtonSubject.h"
#include "platform/vemorRcRcLinkSubject.h"
#include "ui/PaintPacer.h"

#include "ui_vemortopureqt.h"

VemorToQt* VemorToQt::intance = nullptr;

namespace {
// Set once by the constructor; the message handlers feed them.
VemorRcSoftButtonSubject* softBtnSubject = nullptr;
vemorRcRcLinkSubject* rcLinkSubject = nullptr;
VemorRcBatterySubject* batterySubject = nullptr;
VemorRcLeverPositionSubject* leverPosSubject = nullptr;
VemorRcDeviceInfoSubject* deviceInfoSubject = nullptr;
VemorRcButtonSubject* buttonSubject = nullptr;
VemorRcBacklightSubject* backlighhtSubject = nullptr;
VemorRcCanSubject* canSubject = nullptr;
VemorRcLedControl* ledControl = nullptr;
VemorRcBuzzerCtrlSubject* buzzerSubject = nullptr;

// The platform sends one byte per lever (the ninth is not a lever of ours)
// and a 32-bit input field.
constexpr unsigned char PlatformLevers = 9;
constexpr unsigned char PlatformInputs = 32;

enum SystemMessage : unsigned char {
    LeverPositions = 5,
    DigitalInputs = 6,
    RadioAndBattery = 7,
};

// The controller's MPDO frames are the only CAN traffic the platform passes on.
constexpr unsigned int MpdoCanId = 1125;
}

VemorToQt::VemorToQt(VemorViewMaster* m, QWidget* parent)
    : View(parent)
    , ui(new Ui::vemortopureqt)
    , master(m)
{
    intance = this;
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("vemortopureqt"));
    ui->setupUi(this);

    softBtnSubject = new VemorRcSoftButtonSubject;
    ::rcLinkSubject = new vemorRcRcLinkSubject;
    ::batterySubject = new VemorRcBatterySubject;
    leverPosSubject = new VemorRcLeverPositionSubject;
    ::deviceInfoSubject = new VemorRcDeviceInfoSubject;
    ::buttonSubject = new VemorRcButtonSubject;
    backlighhtSubject = new VemorRcBacklightSubject(this);
    ::canSubject = new VemorRcCanSubject(this);
    ::ledControl = new VemorRcLedControl(this);
    ::buzzerSubject = new VemorRcBuzzerCtrlSubject(this);

    app = new nordelappwidget(softBtnSubject, ::rcLinkSubject, ::batterySubject, leverPosSubject,
                              ::deviceInfoSubject, ::buttonSubject, backlighhtSubject, ::canSubject, ::ledControl,
                              ::buzzerSubject);
    ui->verticalLayout->addWidget(app);
    // Values arrive far more often than the screen can show them.
    new PaintPacer(this);
}

VemorToQt::~VemorToQt()
{
    delete ui;
}

VemorRcSoftButtonSubject* VemorToQt::softButtonSubject()
{
    return softBtnSubject;
}

vemorRcRcLinkSubject* VemorToQt::rcLinkSubject()
{
    return ::rcLinkSubject;
}

VemorRcBatterySubject* VemorToQt::batterySubject()
{
    return ::batterySubject;
}

VemorRcLeverPositionSubject* VemorToQt::leverPositionSubject()
{
    return leverPosSubject;
}

VemorRcDeviceInfoSubject* VemorToQt::deviceInfoSubject()
{
    return ::deviceInfoSubject;
}

VemorRcButtonSubject* VemorToQt::buttonSubject()
{
    return ::buttonSubject;
}

VemorRcBacklightSubject* VemorToQt::backlightSubject()
{
    return backlighhtSubject;
}

VemorRcCanSubject* VemorToQt::canSubject()
{
    return ::canSubject;
}

VemorRcLedControl* VemorToQt::ledControl()
{
    return ::ledControl;
}

VemorRcBuzzerCtrlSubject* VemorToQt::buzzerSubject()
{
    return ::buzzerSubject;
}

bool VemorToQt::handleNewMessage(PcuMessage* m)
{
    if (!m)
        return true;
    if (m->kind == PcuMessage::SystemMessage)
        handleSystemMessage(m);
    else if (m->kind == PcuMessage::CanFrame)
        handleCanMessage(m);
    return true;
}

void VemorToQt::handleSystemMessage(PcuMessage* m)
{
    if (!m)
        return;
    switch (m->subKind) {
    case LeverPositions:
        if (leverPosSubject) {
            for (unsigned char n = 0; n < PlatformLevers; ++n)
                leverPosSubject->setLeverPosition(n, m->getAnalogValue(n));
        }
        break;
    case DigitalInputs:
        if (::buttonSubject) {
            for (unsigned char n = 0; n < PlatformInputs; ++n)
                ::buttonSubject->setButtonState(n, m->isDigitalActivated(n));
        }
        break;
    case RadioAndBattery:
        if (::rcLinkSubject) {
            ::rcLinkSubject->setCabledConnection(m->getRadioCable() != 0);
            ::rcLinkSubject->setSignalStrengh(m->getSignal());
        }
        if (::batterySubject)
            ::batterySubject->setBatteryLevel(m->getBattery());
        break;
    default:
        break;
    }
}

void VemorToQt::handleCanMessage(PcuMessage* m)
{
    if (!m || m->subKind != 0 || !::canSubject)
        return;
    ::canSubject->setCanMessage(MpdoCanId, m->data, m->length);
}

bool VemorToQt::handleNewButtonStatus(ButtonStatus s)
{
    if (softBtnSubject)
        softBtnSubject->setButtonState(s & 0xFFu);
    // The version answers are fetched lazily, riding on the regular button
    // messages, until each one has arrived.
    if (!cpuInfoReceived)
        getCpuInfo();
    if (!bootVerReceived)
        getBootVer();
    if (!osVerReceived)
        getOsVer();
    return true;
}

void VemorToQt::wrongVersion()
{
    if (::rcLinkSubject)
        ::rcLinkSubject->setConnectionPaired(false);
}

void VemorToQt::handleXonXoff(unsigned char x)
{
    if (::canSubject)
        ::canSubject->setXonXoff(x != 0);
}

void VemorToQt::cpuInfo(QString serial, QString hardware)
{
    if (::deviceInfoSubject) {
        ::deviceInfoSubject->setDeviceHardwareVersion(hardware);
        ::deviceInfoSubject->setDeviceSerialNumber(serial);
    }
    cpuInfoReceived = true;
}

void VemorToQt::osVer(QString version)
{
    if (::deviceInfoSubject)
        ::deviceInfoSubject->setDeviceOSVersion(version);
    osVerReceived = true;
}

void VemorToQt::bootVer(QString version)
{
    if (::deviceInfoSubject)
        ::deviceInfoSubject->setDeviceBootVersion(version);
    bootVerReceived = true;
}
