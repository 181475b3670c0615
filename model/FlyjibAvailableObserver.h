#pragma once

#include "core/Observer.h"

class FlyjibAvailableSubject;

// Adapter of FlyjibAvailableSubject: caches the flag at construction, reports it when attached
// and on every change. Does not attach itself; the owner calls attach().
class FlyjibAvailableObserver : public Observer {
public:
    explicit FlyjibAvailableObserver(FlyjibAvailableSubject* s);
    virtual ~FlyjibAvailableObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void flyjibAvailableChanged(bool available);

    bool getFlyjibAvailable() const { return cache; }

private:
    bool cache = false;
};
