#pragma once

#include "core/Observer.h"
#include "model/RclModeSubject.h"

// Adapter of the controller's operating mode.
class RclModeObserver : public Observer {
public:
    explicit RclModeObserver(RclModeSubject* s);
    virtual ~RclModeObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void rclModeChanged(RclModeSubject::mode_t mode);

    RclModeSubject::mode_t getMode() const { return mode; }

protected:
    RclModeSubject::mode_t mode = RclModeSubject::MODE_NONE;
};
