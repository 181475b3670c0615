#pragma once

#include "core/Observer.h"

class RclIpCameraSubject;

// Adapter of RclIpCameraSubject: caches the flag at construction, reports it when attached
// and on every change. Does not attach itself; the owner calls attach().
class IpCameraEnabledObserver : public Observer {
public:
    explicit IpCameraEnabledObserver(RclIpCameraSubject* s);
    virtual ~IpCameraEnabledObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void ipCameraEnabledChanged(bool enabled);

    bool isIpCameraFeatureEnabled() const { return cache; }

private:
    bool cache = false;
};
