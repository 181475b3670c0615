#pragma once

#include "core/Observer.h"

class RegenerationModeSubject;

// Adapter of RegenerationModeSubject: reports the mode on every change and
// once when attached (if it differs from 0). Does not attach itself.
class RegenerationModeObserver : public Observer {
public:
    explicit RegenerationModeObserver(RegenerationModeSubject* s);
    virtual ~RegenerationModeObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void regenerationModeChanged(unsigned int mode);

    unsigned int getRegenerationMode() const { return cache; }

private:
    unsigned int cache = 0;
};
