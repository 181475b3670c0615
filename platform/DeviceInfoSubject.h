#pragma once

#include "core/Subject.h"

#include <QString>

// Identity of the display unit (hardware, OS and boot versions, serial
// number). Fed by the platform bridge from the platform's version answers.
class DeviceInfoSubject : public Subject {
public:
    using Subject::Subject;

    virtual void setDeviceHardwareVersion(QString v) = 0;
    virtual void setDeviceOSVersion(QString v) = 0;
    virtual void setDeviceBootVersion(QString v) = 0;
    virtual void setDeviceSerialNumber(QString v) = 0;

    virtual QString getDeviceHardwareVersion() = 0;
    virtual QString getDeviceOSVersion() = 0;
    virtual QString getDeviceBootNumber() = 0;
    virtual QString getDeviceSerialNumber() = 0;
};
