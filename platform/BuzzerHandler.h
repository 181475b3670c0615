#pragma once

#include "model/RclBuzzerObserver.h"
#include "platform/BuzzerCtrlObserver.h"

class BuzzerCtrlSubject;
class RclBuzzerSubject;

// Sounds the handheld's buzzer while the crane controller asks for it. Fed
// by the controller's buzzer request.
class BuzzerHandler : public BuzzerCtrlObserver, public RclBuzzerObserver {
public:
    BuzzerHandler(BuzzerCtrlSubject* buzzer, RclBuzzerSubject* request);
    virtual ~BuzzerHandler();

    void rclBuzzerStateChanged(bool on, unsigned int value) override;
};
