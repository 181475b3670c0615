#pragma once

#include "core/Observer.h"

#include <QString>

class HdlSubject;

// Adapter of HdlSubject: reports level and validity when attached and
// whenever either changes. Does not attach itself.
class HdlObserver : public Observer {
public:
    explicit HdlObserver(HdlSubject* s);
    virtual ~HdlObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void hdlChanged(unsigned int level, bool valid);

    QString getHdlString();

private:
    // The subject as its own type, so no cast on every notification.
    HdlSubject* hdl;
    unsigned int level = 0;
    bool valid = false;
};
