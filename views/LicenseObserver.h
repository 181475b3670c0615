#pragma once

#include "core/Observer.h"

#include <QString>

class LicenseSubject;

// Adapter of the notices subject for the settings view; licenseChanged()
// runs with the current text on every notification. Does not attach itself.
class LicenseObserver : public Observer {
public:
    explicit LicenseObserver(LicenseSubject* s);
    virtual ~LicenseObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void licenseChanged(QString text);
};
