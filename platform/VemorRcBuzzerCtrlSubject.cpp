#include "VemorRcBuzzerCtrlSubject.h"

#include "View.h"

#include <cmath>

VemorRcBuzzerCtrlSubject::VemorRcBuzzerCtrlSubject(View* v)
    : BuzzerCtrlSubject(nullptr)
    , view(v)
{
}

unsigned int VemorRcBuzzerCtrlSubject::valueToSteps(unsigned int value)
{
    if (value < 80)
        return 1;
    const double n = std::floor(static_cast<float>(value) / 80.0 + 0.5);
    // A larger count would wrap in the seven-bit field (128 steps would
    // read as 0); the controller's value is untrusted, so saturate.
    return n > MaxSteps ? MaxSteps : static_cast<unsigned int>(n);
}

void VemorRcBuzzerCtrlSubject::setBuzzer(unsigned int value)
{
    steps = valueToSteps(value);
    if (!view)
        return;
    const unsigned char n = static_cast<unsigned char>(steps & 0x7F);
    BuzzerConfig config {{n, static_cast<unsigned char>(n | 0x80), n,
                          static_cast<unsigned char>(steps != 0 ? 1 : 0), 0x11}};
    view->setBuzzerStatus(&config);
}

void VemorRcBuzzerCtrlSubject::clearBuzzer()
{
    if (!view)
        return;
    BuzzerConfig config {{0x00, 0x80, 0x00, 0x80, 0x00}};
    view->setBuzzerStatus(&config);
}
