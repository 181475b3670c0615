#pragma once

#include "core/Observer.h"

class SoftButtonSubject;

// Adapter of the soft-key subject: reports the raw state word on every
// update and turns a change into one press or release of a key index
// (0 = bit 7 ... 7 = bit 0).
class SoftButtonObserver : public Observer {
public:
    explicit SoftButtonObserver(SoftButtonSubject* s);
    virtual ~SoftButtonObserver();

    void attach() override;
    void detach() override;
    void update() override;

    virtual void buttonState(unsigned int state);
    virtual void buttonPressed(unsigned int button);
    virtual void buttonReleased(unsigned int button);

private:
    unsigned int lastState = 0;
};
