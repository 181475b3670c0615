#pragma once

#include "core/Observer.h"
#include "model/FunctionIds.h"

#include <array>

class FunctionStateSubject;

// Adapter of FunctionStateSubject: reports every movement when attached or on
// triggerUpdate(), then each movement whose state changed. Does not attach itself.
class FunctionStateObserver : public Observer {
public:
    explicit FunctionStateObserver(FunctionStateSubject* s);
    virtual ~FunctionStateObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void functionStateChanged(functionID_t id, functionState_t state);

    void triggerUpdate();

private:
    void scan(bool reportAll);

    // The subject as its own type, so no cast on every notification.
    FunctionStateSubject* functions;
    std::array<functionState_t, NumberOfFunctions> states;
};
