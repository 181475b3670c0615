#include "VemorViewMaster.h"

#include <QTimer>

VemorViewMaster::VemorViewMaster()
    : rtcTimer(new QTimer)
{
    connect(rtcTimer, &QTimer::timeout, this, &ViewMaster::getRtcTime);
    rtcTimer->start(5000);
}

// The timer has no parent (it must not be a child the library could see), so
// it is freed here.
VemorViewMaster::~VemorViewMaster()
{
    delete rtcTimer;
}

void VemorViewMaster::parseNewPcuMessage(PcuMessage* m)
{
    static bool reqOnce = false;
    if (m && m->kind == PcuMessage::CanFrame && !reqOnce) {
        reqOnce = true;
        requestConfData();
    }
}

void VemorViewMaster::handleRtcData(rtc_time* t)
{
    if (t)
        time = *t;
}
