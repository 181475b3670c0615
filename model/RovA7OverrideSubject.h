#pragma once

#include "can/MpdoObserver.h"
#include "model/RclOverrideSubject.h"

class QTimer;

// Override state from bit 17 of the controller's state word and the
// remaining override time. The controller reports that time in coarse steps,
// so once it starts counting down the time is counted down locally every
// 100 ms and only re-aligned when the two drift apart.
class RovA7OverrideSubject : public RclOverrideSubject, public MpdoObserver {
public:
    explicit RovA7OverrideSubject(MpdoSubject* mpdo);
    ~RovA7OverrideSubject() override;

    using MpdoObserver::attach;
    using MpdoObserver::detach;
    using RclOverrideSubject::attach;
    using RclOverrideSubject::detach;

    bool isOverrideActive() override;
    int getOverrideTimeLeftMs() override;

    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;

    // One 100 ms step of the local countdown (run by the countdown timer).
    void countDown();
    const QTimer* countdownTimer() const { return timer; }
    bool isCountingDown() const { return counting; }

private:
    void controllerTimeReceived(unsigned int tenthsOfSecond);

    bool active = false;
    int timeLeftMs = 0;
    int lastControllerMs = 0;
    bool counting = false;
    QTimer* timer;
};
