#pragma once

#include "can/MpdoObserver.h"
#include "model/InfocenterInfoSubject.h"

// Info-centre icon ids from the controller. Subscribed only while someone
// observes it; the ids are forgotten when the last observer leaves, so a
// returning observer never shows an icon the controller may have withdrawn.
class RovA7InfocenterInfoSubject : public MpdoObserver, public InfocenterInfoSubject {
public:
    explicit RovA7InfocenterInfoSubject(MpdoSubject* mpdo);
    ~RovA7InfocenterInfoSubject() override;

    using MpdoObserver::attach;
    using MpdoObserver::detach;
    void attach(Observer* o) override;
    void detach(Observer* o) override;

    unsigned int getTopDisplayIconId() override;
    unsigned int getBotDisplayIconId() override;

    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;

private:
    unsigned int topIconId = 0;
    unsigned int bottomIconId = 0;
};
