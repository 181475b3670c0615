#pragma once

#include "core/Observer.h"
#include "model/stabActiveSideSubject.h"

// Adapter of the active stabiliser side; reports the side on attach() and on
// every change.
class ActiveStabSideObserver : public Observer {
public:
    explicit ActiveStabSideObserver(stabActiveSideSubject* s);
    virtual ~ActiveStabSideObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void activeStabSideChanged(activeStabSide_t side);

private:
    activeStabSide_t sideCache = STAB_SIDE_NONE;
};
