#include "model/FunctionStateObserver.h"

#include "model/FunctionStateSubject.h"

FunctionStateObserver::FunctionStateObserver(FunctionStateSubject* s)
    : Observer(s)
    , functions(s)
{
    states.fill(FUNCTION_STATE_OK);
}

FunctionStateObserver::~FunctionStateObserver()
{
    detach();
}

void FunctionStateObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    triggerUpdate();
}

void FunctionStateObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void FunctionStateObserver::update()
{
    scan(false);
}

void FunctionStateObserver::triggerUpdate()
{
    scan(true);
}

void FunctionStateObserver::scan(bool reportAll)
{
    FunctionStateSubject* s = subject ? functions : nullptr;
    if (!s)
        return;
    for (int i = 0; i < NumberOfFunctions; ++i) {
        const auto id = static_cast<functionID_t>(i);
        const functionState_t now = s->getFunctionState(id);
        if (!reportAll && now == states[static_cast<size_t>(i)])
            continue;
        states[static_cast<size_t>(i)] = now;
        functionStateChanged(id, now);
    }
}

void FunctionStateObserver::functionStateChanged(functionID_t, functionState_t) {}
