#pragma once

#include "core/Observer.h"

class WinchAvailableSubject;

// Adapter of WinchAvailableSubject: caches the flag at construction, reports it when attached
// and on every change. Does not attach itself; the owner calls attach().
class WinchAvailableObserver : public Observer {
public:
    explicit WinchAvailableObserver(WinchAvailableSubject* s);
    virtual ~WinchAvailableObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void winchAvailableChanged(bool available);

    bool getWinchAvailable() const { return cache; }

private:
    bool cache = false;
};
