#pragma once

#include "core/Observer.h"

class BuzzerCtrlSubject;

// Command side of the buzzer output; attaches on construction.
class BuzzerCtrlObserver : public Observer {
public:
    explicit BuzzerCtrlObserver(BuzzerCtrlSubject* s);
    virtual ~BuzzerCtrlObserver();

    void attach() override;
    void detach() override;
    void update() override;

    void setBuzzer(unsigned int value);
    void clearBuzzer();
};
