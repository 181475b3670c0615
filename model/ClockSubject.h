#pragma once

#include "core/SettingsObserver.h"
#include "core/Subject.h"
#include "model/RclMxTimeObserver.h"

#include <QString>

class RclMxTimeSubject;
class SettingsSubject;

// Time of day for the status bar and the settings view: the controller's
// clock plus the operator's correction from the settings, as 12- or 24-hour
// text. The controller clock is only observed while the clock has observers.
class ClockSubject : public RclMxTimeObserver, public SettingsObserver, public Subject {
public:
    ClockSubject(RclMxTimeSubject* time, SettingsSubject* settings);
    ~ClockSubject() override;

    void attach(Observer* o) override;
    void detach(Observer* o) override;

    void rclTimeChanged(long time) override;
    void clockTimeOffsetChanged(long offset) override;
    void clockTypeChanged(clocktype_t type) override;

    // Controller time plus the operator's offset, in seconds.
    long getTime() const;
    QString getClockString() const;
    void saveOffset();
    void addHour();
    void addMin();

    long getOffset() const { return offset; }

private:
    clocktype_t type = CLOCK_24H;
    bool available = false;
    long controllerTime = 0;
    long offset = 0;
};
