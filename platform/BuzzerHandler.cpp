#include "BuzzerHandler.h"

BuzzerHandler::BuzzerHandler(BuzzerCtrlSubject* buzzer, RclBuzzerSubject* request)
    : BuzzerCtrlObserver(buzzer)
    , RclBuzzerObserver(request)
{
    BuzzerCtrlObserver::attach();
    RclBuzzerObserver::attach();
}

BuzzerHandler::~BuzzerHandler() = default;

void BuzzerHandler::rclBuzzerStateChanged(bool on, unsigned int value)
{
    if (on)
        setBuzzer(value);
    else
        clearBuzzer();
}
