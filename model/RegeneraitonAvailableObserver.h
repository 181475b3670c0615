#pragma once

#include "core/Observer.h"

class RegeneraitonAvailableSubject;

// Adapter of RegeneraitonAvailableSubject: caches the flag at construction, reports it when attached
// and on every change. Does not attach itself; the owner calls attach().
class RegeneraitonAvailableObserver : public Observer {
public:
    explicit RegeneraitonAvailableObserver(RegeneraitonAvailableSubject* s);
    virtual ~RegeneraitonAvailableObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void RegeneraitonAvailableChanged(bool available);

    bool getRegeneraitonAvailable() const { return cache; }

private:
    bool cache = false;
};
