#pragma once

#include "can/MpdoObserver.h"
#include "model/BlockedFunctionSubject.h"
#include "model/HdlObserver.h"

#include <array>

class HdlSubject;
class MpdoSubject;

// Per-function block bits from the controller's entry 0x2111 sub-index 1,
// combined with the HDL level: a valid level of 0 blocks every movement.
// Subscribed while observed.
class RovA7BlockedFunctionSubject : public MpdoObserver, public BlockedFunctionSubject, public HdlObserver {
public:
    static constexpr unsigned int EntryIndex = 0x2111;
    static constexpr unsigned char EntrySubIndex = 1;

    RovA7BlockedFunctionSubject(MpdoSubject* mpdo, HdlSubject* hdl);

    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;
    void attach(Observer* o) override;
    void detach(Observer* o) override;

    bool isFunctionBlocked(functionID_t id) override;
    void hdlChanged(unsigned int level, bool valid) override;

private:
    struct blockFlags_t {
        bool hdl = false;
        bool controller = false;
    };
    std::array<blockFlags_t, NumberOfFunctions> blockedFunctions {};
};
