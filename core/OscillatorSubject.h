#pragma once

#include "core/Subject.h"

class QTimer;

// The shared 800 ms blink clock: everything that blinks observes it, so all
// blinking widgets and LEDs are in phase.
class OscillatorSubject : public Subject {
    Q_OBJECT
public:
    OscillatorSubject();
    // The timer has no parent, so it goes with its subject here.
    ~OscillatorSubject() override;
    bool getToggle() const { return toggle; }

public slots:
    void oscilate800ms();

private:
    bool toggle = false;
    QTimer* timer;
};
