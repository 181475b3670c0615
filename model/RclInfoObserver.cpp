#include "RclInfoObserver.h"

#include "model/RclInfoSubject.h"

RclInfoObserver::RclInfoObserver(RclInfoSubject* s)
    : Observer(s)
{
}

RclInfoObserver::~RclInfoObserver()
{
    detach();
}

void RclInfoObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    auto* s = dynamic_cast<RclInfoSubject*>(subject);
    if (!s)
        return;
    serialNumber = s->getRclSerialNumber();
    driverVersion = s->getRclDriverVersion();
    serialNumberChanged(serialNumber);
    rclColorDisplayDriverVersionChanged(driverVersion);
}

void RclInfoObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void RclInfoObserver::update()
{
    auto* s = subject ? dynamic_cast<RclInfoSubject*>(subject) : nullptr;
    if (!s)
        return;
    const unsigned int serial = s->getRclSerialNumber();
    if (serial != serialNumber) {
        serialNumber = serial;
        serialNumberChanged(serial);
    }
    const int version = s->getRclDriverVersion();
    if (version != driverVersion) {
        driverVersion = version;
        rclColorDisplayDriverVersionChanged(version);
    }
}

QString RclInfoObserver::getRclSerialNumberString() const
{
    return QString::number(serialNumber);
}

QString RclInfoObserver::getrclColorDisplayDriverVersionString() const
{
    return QString::number(driverVersion);
}

void RclInfoObserver::serialNumberChanged(unsigned int) {}

void RclInfoObserver::rclColorDisplayDriverVersionChanged(int) {}
