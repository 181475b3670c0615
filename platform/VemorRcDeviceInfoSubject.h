#pragma once

#include "platform/DeviceInfoSubject.h"

// Device identity from the platform's version answers; "?" until answered.
class VemorRcDeviceInfoSubject : public DeviceInfoSubject {
public:
    VemorRcDeviceInfoSubject();

    void setDeviceHardwareVersion(QString v) override;
    void setDeviceOSVersion(QString v) override;
    void setDeviceBootVersion(QString v) override;
    void setDeviceSerialNumber(QString v) override;

    QString getDeviceHardwareVersion() override;
    QString getDeviceOSVersion() override;
    QString getDeviceBootNumber() override;
    QString getDeviceSerialNumber() override;

private:
    QString hardwareVersion;
    QString osVersion;
    QString bootVersion;
    QString serialNumber;
};
