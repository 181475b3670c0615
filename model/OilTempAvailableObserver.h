#pragma once

#include "core/Observer.h"

class OilTempAvailableSubject;

// Adapter of OilTempAvailableSubject: caches the flag at construction, reports it when attached
// and on every change. Does not attach itself; the owner calls attach().
class OilTempAvailableObserver : public Observer {
public:
    explicit OilTempAvailableObserver(OilTempAvailableSubject* s);
    virtual ~OilTempAvailableObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void oilTempAvailableChanged(bool available);

    bool getOilTempAvailable() const { return cache; }

private:
    bool cache = false;
};
