#include "VemorRcSoftButtonSubject.h"

VemorRcSoftButtonSubject::VemorRcSoftButtonSubject()
    : SoftButtonSubject(nullptr)
{
}

void VemorRcSoftButtonSubject::setButtonState(unsigned int state)
{
    buttonState = state;
    notify();
}

unsigned int VemorRcSoftButtonSubject::getButtonState()
{
    return buttonState;
}
