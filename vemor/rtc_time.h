#pragma once

// The Linux real-time-clock record, as the platform hands it over.
#if defined(__linux__)
#include <linux/rtc.h>
#else
struct rtc_time {
    int tm_sec;
    int tm_min;
    int tm_hour;
    int tm_mday;
    int tm_mon;
    int tm_year;
    int tm_wday;
    int tm_yday;
    int tm_isdst;
};
#endif
