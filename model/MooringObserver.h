#pragma once

#include "core/Observer.h"
#include "model/MooringSubject.h"

// Adapter of the crane's mooring state.
class MooringObserver : public Observer {
public:
    explicit MooringObserver(MooringSubject* s);
    virtual ~MooringObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void mooringStateChanged(MooringSubject::mooringState_t state);

protected:
    MooringSubject::mooringState_t mooringState = MooringSubject::MOORING_OFF;
};
