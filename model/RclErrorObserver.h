#pragma once

#include "core/Observer.h"

class RclErrorSubject;

// Adapter of the controller's error and alternative codes.
class RclErrorObserver : public Observer {
public:
    explicit RclErrorObserver(RclErrorSubject* s);
    virtual ~RclErrorObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void errorCodeChanged(unsigned int code);
    virtual void altCodeChanged(unsigned int code);

protected:
    unsigned int errorCode = 0;
    unsigned int altCode = 0;
};
