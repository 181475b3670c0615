#pragma once

#include "can/MpdoObserver.h"
#include "model/CbsSubject.h"

// CBS state from bit 26 of the controller's state word. Subscribed only
// while someone observes it.
class RovA7CbsSubject : public CbsSubject, public MpdoObserver {
public:
    explicit RovA7CbsSubject(MpdoSubject* mpdo);
    ~RovA7CbsSubject() override;

    using MpdoObserver::attach;
    using MpdoObserver::detach;
    void attach(Observer* o) override;
    void detach(Observer* o) override;

    bool isCbsActive() override;

    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;

private:
    bool cbsActive = false;
};
