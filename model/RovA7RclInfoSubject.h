#pragma once

#include "can/MpdoObserver.h"
#include "model/RclInfoSubject.h"

// Controller identity, read afresh whenever an observer attaches: each entry
// is subscribed on attach and dropped again once its value has arrived, so
// two fixed values do not hold table slots for the whole run.
class RovA7RclInfoSubject : public MpdoObserver, public RclInfoSubject {
public:
    explicit RovA7RclInfoSubject(MpdoSubject* mpdo);
    ~RovA7RclInfoSubject() override;

    using MpdoObserver::attach;
    using MpdoObserver::detach;
    void attach(Observer* o) override;
    using RclInfoSubject::detach;

    unsigned int getRclSerialNumber() override;
    int getRclDriverVersion() override;

    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;

private:
    unsigned int serialNumber = 0;
    int driverVersion = -1;
};
