#pragma once

#include "core/Observer.h"

class OscillatorSubject;

// Adapter of the blink clock; oscilate800ms() runs on every tick.
class OscillatorObserver : public Observer {
public:
    explicit OscillatorObserver(OscillatorSubject* s);
    virtual ~OscillatorObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void oscilate800ms(bool toggle);
};
