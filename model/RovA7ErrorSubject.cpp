#include "RovA7ErrorSubject.h"

RovA7ErrorSubject::RovA7ErrorSubject(MpdoSubject* mpdo)
    : ErrorSubject(nullptr)
    , MpdoObserver(mpdo)
{
    subscribe(0x47CB, 0);
}

RovA7ErrorSubject::~RovA7ErrorSubject() = default;

unsigned int RovA7ErrorSubject::getError()
{
    return errorCode;
}

unsigned int RovA7ErrorSubject::getAltCode()
{
    return altCode;
}

void RovA7ErrorSubject::newValue(unsigned int, unsigned char, unsigned int value)
{
    errorCode = value & 0xFFFF;
    altCode = (value >> 24) & 0xFF;
    notify();
}
