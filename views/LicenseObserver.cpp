#include "LicenseObserver.h"

#include "views/LicenseSubject.h"

LicenseObserver::LicenseObserver(LicenseSubject* s)
    : Observer(s)
{
}

LicenseObserver::~LicenseObserver()
{
    detach();
}

void LicenseObserver::attach()
{
    if (subject)
        subject->attach(this);
}

void LicenseObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void LicenseObserver::update()
{
    auto* s = subject ? dynamic_cast<LicenseSubject*>(subject) : nullptr;
    if (s)
        licenseChanged(s->getLicense());
}

void LicenseObserver::licenseChanged(QString) {}
