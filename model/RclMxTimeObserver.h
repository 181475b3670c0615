#pragma once

#include "core/Observer.h"

class RclMxTimeSubject;

// Adapter of the controller's clock; reports the time on every notification
// once the controller has reported it.
class RclMxTimeObserver : public Observer {
public:
    explicit RclMxTimeObserver(RclMxTimeSubject* s);
    virtual ~RclMxTimeObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void rclTimeChanged(long time);
};
