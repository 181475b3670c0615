#pragma once

#include "core/Subject.h"
#include "model/BlockedFunctionObserver.h"
#include "model/FunctionIds.h"
#include "model/HdlObserver.h"
#include "model/LoadsAndDerateObserver.h"

#include <array>

class BlockedFunctionSubject;
class HdlSubject;
class LoadsAndDerateSubject;

// One state per crane movement, the most severe of its block, its HDL
// limitation and its derating. Fed by the blocked-function, HDL and loads
// subjects while it has observers (HDL view, overview, LED handler).
class FunctionStateSubject : public Subject,
                             public BlockedFunctionObserver,
                             public HdlObserver,
                             public LoadsAndDerateObserver {
public:
    FunctionStateSubject(BlockedFunctionSubject* blocked, HdlSubject* hdl, LoadsAndDerateSubject* loads);

    void attach(Observer* o) override;
    void detach(Observer* o) override;
    void craneStrengthChanged(float strength) override;
    void flyjibStrengthChanged(float strength) override;
    void winchStrengthChanged(float strength) override;
    void blockedFunctionChanged(functionID_t id, bool blocked) override;
    void hdlChanged(unsigned int level, bool valid) override;

    functionState_t getFunctionState(functionID_t id) const;

    // Rating of one strength in percent: exactly 0 blocks, below 90 derates.
    static functionState_t strengthRating(float strength);

private:
    void rateStrength(int first, int last, float strength);

    using stateTable_t = std::array<functionState_t, NumberOfFunctions>;
    stateTable_t blockState;
    stateTable_t hdlState;
    stateTable_t strengthState;
};
