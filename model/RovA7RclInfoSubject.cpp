#include "RovA7RclInfoSubject.h"

namespace {
constexpr unsigned int IdentityIndex = 0x1018;
constexpr unsigned char SerialNumberSubIndex = 4;
constexpr unsigned int DriverVersionIndex = 0x48E5;
}

RovA7RclInfoSubject::RovA7RclInfoSubject(MpdoSubject* mpdo)
    : MpdoObserver(mpdo)
    , RclInfoSubject(nullptr)
{
}

RovA7RclInfoSubject::~RovA7RclInfoSubject() = default;

void RovA7RclInfoSubject::attach(Observer* o)
{
    Subject::attach(o);
    subscribe(IdentityIndex, SerialNumberSubIndex);
    subscribe(DriverVersionIndex, 0);
}

unsigned int RovA7RclInfoSubject::getRclSerialNumber()
{
    return serialNumber;
}

int RovA7RclInfoSubject::getRclDriverVersion()
{
    return driverVersion;
}

void RovA7RclInfoSubject::newValue(unsigned int index, unsigned char subIndex, unsigned int value)
{
    if (index == IdentityIndex && subIndex == SerialNumberSubIndex) {
        serialNumber = value;
        unsubscribe(IdentityIndex, SerialNumberSubIndex);
    } else if (index == DriverVersionIndex && subIndex == 0) {
        driverVersion = static_cast<int>(value);
        unsubscribe(DriverVersionIndex, 0);
    } else {
        return;
    }
    notify();
}
