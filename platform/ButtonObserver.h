#pragma once

#include "core/Observer.h"

#include <array>

class ButtonSubject;

// Adapter of the digital-input subject with cached states of all 40 inputs.
class ButtonObserver : public Observer {
public:
    explicit ButtonObserver(ButtonSubject* s);
    virtual ~ButtonObserver();

    // Delivers every input's current state (the caches stay as they are).
    void attach() override;
    void detach() override;
    void update() override;

    virtual void buttonStateChanged(unsigned int n, bool pressed);

private:
    std::array<bool, 40> states {};
};
