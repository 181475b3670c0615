#pragma once

#include "core/Observer.h"

class EvsAvailableSubject;

// Adapter of the EVS availability; reports the flag on attach() and on change.
class EvsAvailableObserver : public Observer {
public:
    explicit EvsAvailableObserver(EvsAvailableSubject* s);
    virtual ~EvsAvailableObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void evsAvailableChanged(bool available);

    bool getEvsAvailable() const { return availableCache; }

private:
    bool availableCache = false;
};
