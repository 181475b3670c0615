#pragma once

#include "core/Observer.h"
#include "model/FunctionIds.h"

#include <array>

class BlockedFunctionSubject;

// Adapter of BlockedFunctionSubject: reports every function when attached,
// then each function whose block changed. Does not attach itself.
class BlockedFunctionObserver : public Observer {
public:
    explicit BlockedFunctionObserver(BlockedFunctionSubject* s);
    virtual ~BlockedFunctionObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void blockedFunctionChanged(functionID_t id, bool blocked);

private:
    void scan(bool reportAll);

    std::array<bool, NumberOfFunctions> blocked {};
};
