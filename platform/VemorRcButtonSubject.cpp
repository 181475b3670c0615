#include "VemorRcButtonSubject.h"

VemorRcButtonSubject::VemorRcButtonSubject()
    : ButtonSubject(nullptr)
{
}

void VemorRcButtonSubject::setButtonState(unsigned int n, bool pressed)
{
    if (n >= NumberOfButtons)
        return;
    buttons[n] = pressed;
    notify();
}

bool VemorRcButtonSubject::getButtonState(unsigned char n)
{
    return n < NumberOfButtons && buttons[n];
}

unsigned int VemorRcButtonSubject::getNumberOfButtons()
{
    return NumberOfButtons;
}
