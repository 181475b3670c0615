#pragma once

#include "core/Observer.h"

class OverrideSubject;

// Adapter of the controller's override state; reports on every
// notification because the remaining time changes every 100 ms.
class OverrideObserver : public Observer {
public:
    explicit OverrideObserver(OverrideSubject* s);
    virtual ~OverrideObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void overrideActive(bool active, unsigned int timeLeftMs);
};
