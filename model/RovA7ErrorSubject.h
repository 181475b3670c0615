#pragma once

#include "can/MpdoObserver.h"
#include "model/ErrorSubject.h"

// Error and alternative code from the controller's error word. Subscribed
// for the whole run, so an error is known before any screen asks for it.
class RovA7ErrorSubject : public ErrorSubject, public MpdoObserver {
public:
    explicit RovA7ErrorSubject(MpdoSubject* mpdo);
    ~RovA7ErrorSubject() override;

    using MpdoObserver::attach;
    using MpdoObserver::detach;
    using ErrorSubject::attach;
    using ErrorSubject::detach;

    unsigned int getError() override;
    unsigned int getAltCode() override;

    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;

private:
    unsigned int errorCode = 0;
    unsigned int altCode = 0;
};
