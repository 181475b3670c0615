#pragma once

#include "can/MpdoObserver.h"
#include "model/HdlSubject.h"

class MpdoSubject;

// HDL level from the top byte of the controller's derates entry 0x48E7,
// subscribed while observed; forgotten when the last observer leaves.
class RovA7HdlSubject : public MpdoObserver, public HdlSubject {
public:
    static constexpr unsigned int EntryIndex = 0x48E7;

    explicit RovA7HdlSubject(MpdoSubject* mpdo);

    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;
    void attach(Observer* o) override;
    void detach(Observer* o) override;

    unsigned int getHdlLevel() override { return valid ? level : 0; }
    bool isHdlLoadValid() override { return valid; }

private:
    unsigned int level = 0;
    bool valid = false;
};
