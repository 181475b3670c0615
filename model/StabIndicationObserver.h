#pragma once

#include "core/Observer.h"
#include "model/StabIndicationSubject.h"

// Adapter of the stabiliser indications. attach() reports every stabiliser's
// fitted and set flags at once; update() reports the changes.
class StabIndicationObserver : public Observer {
public:
    explicit StabIndicationObserver(StabIndicationSubject* s);
    virtual ~StabIndicationObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void stabEnabledChanged(stab_t stab, bool enabled);
    virtual void stabSetIndicationChanged(stab_t stab, bool set);
    virtual void stabExtraStabeEnabledChanged(bool enabled);

private:
    StabIndicationSubject* indications() const;

    bool enabledCache[StabIndicationSubject::NumberOfStabs] = {};
    bool setCache[StabIndicationSubject::NumberOfStabs] = {};
    bool extraCache = false;
};
