#pragma once

#include "core/Observer.h"

#include <QString>

class DeviceInfoSubject;

// Adapter of the device-identity subject with cached strings.
class DeviceInfoObserver : public Observer {
public:
    explicit DeviceInfoObserver(DeviceInfoSubject* s);
    virtual ~DeviceInfoObserver();

    // Reads and delivers all four strings.
    void attach() override;
    void detach() override;
    void update() override;

    virtual void deviceHardwareVersionChanged(QString v);
    virtual void deviceOSVersionChanged(QString v);
    virtual void deviceBootVersionChanged(QString v);
    virtual void deviceSerialNumberChanged(QString v);

private:
    QString hardwareVersion;
    QString osVersion;
    QString bootVersion;
    QString serialNumber;
};
