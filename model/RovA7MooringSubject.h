#pragma once

#include "can/MpdoObserver.h"
#include "model/MooringSubject.h"

// Mooring state as the controller reports it. Subscribed only while someone
// observes it.
class RovA7MooringSubject : public MooringSubject, public MpdoObserver {
public:
    explicit RovA7MooringSubject(MpdoSubject* mpdo);
    ~RovA7MooringSubject() override;

    using MpdoObserver::attach;
    using MpdoObserver::detach;
    void attach(Observer* o) override;
    void detach(Observer* o) override;

    mooringState_t getMooringState() override;

    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;

private:
    mooringState_t state = MOORING_OFF;
};
