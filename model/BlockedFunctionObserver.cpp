#include "model/BlockedFunctionObserver.h"

#include "model/BlockedFunctionSubject.h"

BlockedFunctionObserver::BlockedFunctionObserver(BlockedFunctionSubject* s)
    : Observer(s)
{
}

BlockedFunctionObserver::~BlockedFunctionObserver()
{
    detach();
}

void BlockedFunctionObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    scan(true);
}

void BlockedFunctionObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void BlockedFunctionObserver::update()
{
    scan(false);
}

void BlockedFunctionObserver::scan(bool reportAll)
{
    auto* s = subject ? dynamic_cast<BlockedFunctionSubject*>(subject) : nullptr;
    if (!s)
        return;
    for (int i = 0; i < NumberOfFunctions; ++i) {
        const auto id = static_cast<functionID_t>(i);
        const bool now = s->isFunctionBlocked(id);
        if (!reportAll && now == blocked[static_cast<size_t>(i)])
            continue;
        blocked[static_cast<size_t>(i)] = now;
        blockedFunctionChanged(id, now);
    }
}

void BlockedFunctionObserver::blockedFunctionChanged(functionID_t, bool) {}
