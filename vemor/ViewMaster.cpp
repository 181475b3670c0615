#include "ViewMaster.h"

#include "VemorPlatform.h"

#include <ctime>

ViewMaster::ViewMaster(QObject* parent)
    : QObject(parent)
{
}

ViewMaster::~ViewMaster() = default;

void ViewMaster::parseNewPcuMessage(PcuMessage*) {}
void ViewMaster::handleRtcData(rtc_time*) {}
void ViewMaster::updateButtonStatus(ButtonStatus) {}
void ViewMaster::handleXonXoff(unsigned char) {}
void ViewMaster::handleNewAccelerometerData(int, int, int) {}
void ViewMaster::handleNewGyroData(int, int, int) {}
void ViewMaster::handleNewMagnetData(int, int, int) {}

void ViewMaster::requestConfData()
{
    ++m_confDataRequests;
}

void ViewMaster::getRtcTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    rtc_time t {};
    t.tm_sec = local.tm_sec;
    t.tm_min = local.tm_min;
    t.tm_hour = local.tm_hour;
    t.tm_mday = local.tm_mday;
    t.tm_mon = local.tm_mon;
    t.tm_year = local.tm_year;
    t.tm_wday = local.tm_wday;
    t.tm_yday = local.tm_yday;
    t.tm_isdst = local.tm_isdst;
    // The device answers asynchronously; so does the stand-in.
    VemorPlatform::instance()->deliverRtc(this, t);
}
