#pragma once

#include "can/MpdoObserver.h"
#include "core/Subject.h"

class QTimer;

// The controller's real-time clock, read once per run and then advanced
// locally every minute, so the clock costs a table slot only until it is known.
class RclMxTimeSubject : public Subject, public MpdoObserver {
public:
    explicit RclMxTimeSubject(MpdoSubject* mpdo);
    ~RclMxTimeSubject() override;

    using MpdoObserver::attach;
    using MpdoObserver::detach;
    void attach(Observer* o) override;
    using Subject::detach;

    bool timeAvailable() const;
    // Seconds since 1970-01-01 00:00 as the controller counts them.
    long getTime() const;
    void setTimeAvailable(bool available);

    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;

    // Advances the stored time by one minute (run by the minute timer).
    void minuteTick();
    const QTimer* minuteTimer() const { return timer; }

private:
    bool available = false;
    long time = 0;
    bool subscribed = false;
    QTimer* timer;
};
