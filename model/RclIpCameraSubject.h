#pragma once

#include "core/Subject.h"

// Tells whether the controller enables the IP-camera feature. The flag is a plain member read by
// IpCameraEnabledObserver; the controller-backed subject keeps it up to date.
class RclIpCameraSubject : public Subject {
public:
    explicit RclIpCameraSubject(QObject* parent = nullptr)
        : Subject(parent)
    {
    }

    bool enabled = false;
};
