#pragma once

#include "can/MpdoObserver.h"
#include "model/RegenerationModeSubject.h"

class MpdoSubject;

// Regeneration mode from the controller's entry 0x466D (the whole value),
// subscribed while it has observers.
class RovA7RegenerationModeSubject : public RegenerationModeSubject, public MpdoObserver {
public:
    static constexpr unsigned int EntryIndex = 0x466D;

    explicit RovA7RegenerationModeSubject(MpdoSubject* mpdo);

    void attach(Observer* o) override;
    void detach(Observer* o) override;
    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;

    unsigned int getRegenerationMode() override { return mode; }

private:
    unsigned int mode = 0;
};
