#pragma once

#include "core/Observer.h"

class InfocenterInfoSubject;

// Adapter of the two info-centre icon ids.
class InfocenterObserver : public Observer {
public:
    explicit InfocenterObserver(InfocenterInfoSubject* s);
    virtual ~InfocenterObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void iconId1Changed(unsigned int id);
    virtual void iconId2Changed(unsigned int id);

protected:
    unsigned int topIconId = 0;
    unsigned int bottomIconId = 0;
};
