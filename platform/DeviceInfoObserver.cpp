#include "DeviceInfoObserver.h"

#include "platform/DeviceInfoSubject.h"

DeviceInfoObserver::DeviceInfoObserver(DeviceInfoSubject* s)
    : Observer(s)
{
    if (s) {
        hardwareVersion = s->getDeviceHardwareVersion();
        osVersion = s->getDeviceOSVersion();
        bootVersion = s->getDeviceBootNumber();
        serialNumber = s->getDeviceSerialNumber();
    }
}

DeviceInfoObserver::~DeviceInfoObserver()
{
    detach();
}

void DeviceInfoObserver::attach()
{
    if (subject)
        subject->attach(this);
    auto* s = dynamic_cast<DeviceInfoSubject*>(subject);
    if (!s)
        return;
    hardwareVersion = s->getDeviceHardwareVersion();
    osVersion = s->getDeviceOSVersion();
    bootVersion = s->getDeviceBootNumber();
    serialNumber = s->getDeviceSerialNumber();
    deviceHardwareVersionChanged(hardwareVersion);
    deviceOSVersionChanged(osVersion);
    deviceBootVersionChanged(bootVersion);
    deviceSerialNumberChanged(serialNumber);
}

void DeviceInfoObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void DeviceInfoObserver::update()
{
    auto* s = dynamic_cast<DeviceInfoSubject*>(subject);
    if (!s)
        return;
    const QString hw = s->getDeviceHardwareVersion();
    if (hw != hardwareVersion) {
        hardwareVersion = hw;
        deviceHardwareVersionChanged(hw);
    }
    const QString os = s->getDeviceOSVersion();
    if (os != osVersion) {
        osVersion = os;
        deviceOSVersionChanged(os);
    }
    const QString boot = s->getDeviceBootNumber();
    if (boot != bootVersion) {
        bootVersion = boot;
        deviceBootVersionChanged(boot);
    }
    const QString sn = s->getDeviceSerialNumber();
    if (sn != serialNumber) {
        serialNumber = sn;
        deviceSerialNumberChanged(sn);
    }
}

void DeviceInfoObserver::deviceHardwareVersionChanged(QString) {}
void DeviceInfoObserver::deviceOSVersionChanged(QString) {}
void DeviceInfoObserver::deviceBootVersionChanged(QString) {}
void DeviceInfoObserver::deviceSerialNumberChanged(QString) {}
