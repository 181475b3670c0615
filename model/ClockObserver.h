#pragma once

#include "core/Observer.h"

#include <QString>

class ClockSubject;

// Adapter of the clock: the time and its display text on every
// notification, and the operator's hour and minute corrections.
class ClockObserver : public Observer {
public:
    explicit ClockObserver(ClockSubject* s);
    virtual ~ClockObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void clockChanged(long time);
    virtual void clockStringChanged(QString text);

    void addHour();
    void addMin();
};
