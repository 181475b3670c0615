#pragma once

#include "core/Observer.h"

class CbsSubject;

// Adapter of the controller's CBS state.
class CbsObserver : public Observer {
public:
    explicit CbsObserver(CbsSubject* s);
    virtual ~CbsObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void cbsActiveChanged(bool active);

protected:
    bool cbsActive = false;
};
