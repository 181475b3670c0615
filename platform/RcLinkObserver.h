#pragma once

#include "core/Observer.h"

class RcLinkSubject;

// Adapter of the radio-link subject with cached signal, cable and pairing.
class RcLinkObserver : public Observer {
public:
    explicit RcLinkObserver(RcLinkSubject* s);
    virtual ~RcLinkObserver();

    // Delivers the cached values without reading the subject.
    void attach() override;
    void detach() override;
    void update() override;

    virtual void signalStrengthChanged(unsigned int strength);
    virtual void isCabledChanged(bool cabled);
    virtual void isPairedChanged(bool paired);

private:
    int signalStrength = 0;
    bool cabled = false;
    bool paired = true;
};
