#pragma once

#include "ViewMaster.h"

class QTimer;

// The application's master object: keeps the latest real-time-clock reading
// (asked for every 5 s) and requests the platform configuration once, on the
// first CAN frame.
class VemorViewMaster : public ViewMaster {
    Q_OBJECT
public:
    VemorViewMaster();
    ~VemorViewMaster() override;

    void parseNewPcuMessage(PcuMessage* m) override;
    void handleRtcData(rtc_time* t) override;
    rtc_time getTime() const { return time; }

private:
    rtc_time time {};
    QTimer* rtcTimer;
};
