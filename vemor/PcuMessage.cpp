#include "PcuMessage.h"

unsigned char PcuMessage::getAnalogValue(unsigned char n) const
{
    return byteAt(n);
}

bool PcuMessage::isDigitalActivated(unsigned char n) const
{
    return (byteAt(n / 8u) >> (n % 8u)) & 1u;
}

unsigned char PcuMessage::getRadioCable() const
{
    return byteAt(0);
}

unsigned char PcuMessage::getSignal() const
{
    return byteAt(1);
}

unsigned char PcuMessage::getBattery() const
{
    return byteAt(2);
}
