#include "VemorRcDeviceInfoSubject.h"

VemorRcDeviceInfoSubject::VemorRcDeviceInfoSubject()
    : DeviceInfoSubject(nullptr)
    , hardwareVersion(QStringLiteral("?"))
    , osVersion(QStringLiteral("?"))
    , bootVersion(QStringLiteral("?"))
    , serialNumber(QStringLiteral("?"))
{
}

void VemorRcDeviceInfoSubject::setDeviceHardwareVersion(QString v)
{
    hardwareVersion = v;
    notify();
}

void VemorRcDeviceInfoSubject::setDeviceOSVersion(QString v)
{
    osVersion = v;
    notify();
}

void VemorRcDeviceInfoSubject::setDeviceBootVersion(QString v)
{
    bootVersion = v;
    notify();
}

void VemorRcDeviceInfoSubject::setDeviceSerialNumber(QString v)
{
    serialNumber = v;
    notify();
}

QString VemorRcDeviceInfoSubject::getDeviceHardwareVersion()
{
    return hardwareVersion;
}

QString VemorRcDeviceInfoSubject::getDeviceOSVersion()
{
    return osVersion;
}

QString VemorRcDeviceInfoSubject::getDeviceBootNumber()
{
    return bootVersion;
}

QString VemorRcDeviceInfoSubject::getDeviceSerialNumber()
{
    return serialNumber;
}
