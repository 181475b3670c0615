#pragma once

#include "can/MpdoObserver.h"
#include "model/RclModeSubject.h"

// Operating mode decoded from the low half of the controller's state word.
// Subscribed only while someone observes it.
class RovA7ModeSubject : public RclModeSubject, public MpdoObserver {
public:
    explicit RovA7ModeSubject(MpdoSubject* mpdo);
    ~RovA7ModeSubject() override;

    using MpdoObserver::attach;
    using MpdoObserver::detach;
    void attach(Observer* o) override;
    void detach(Observer* o) override;

    mode_t getRclMode() override;

    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;

private:
    mode_t mode = MODE_NONE;
};
