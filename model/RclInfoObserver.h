#pragma once

#include "core/Observer.h"

#include <QString>

class RclInfoSubject;

// Adapter of the controller's identity (serial number, display driver version).
class RclInfoObserver : public Observer {
public:
    explicit RclInfoObserver(RclInfoSubject* s);
    virtual ~RclInfoObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void serialNumberChanged(unsigned int serialNumber);
    virtual void rclColorDisplayDriverVersionChanged(int version);

    QString getRclSerialNumberString() const;
    QString getrclColorDisplayDriverVersionString() const;

protected:
    unsigned int serialNumber = 0;
    int driverVersion = -1;
};
