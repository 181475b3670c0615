#pragma once

#include "core/Subject.h"

// The controller's serial number and display driver version. Fed by the
// controller-backed implementation; read by the UI mode, the info view and
// the EVS subject.
class RclInfoSubject : public Subject {
public:
    explicit RclInfoSubject(QObject* parent = nullptr)
        : Subject(parent)
    {
    }

    virtual unsigned int getRclSerialNumber() = 0;
    // -1 while the controller has not reported it.
    virtual int getRclDriverVersion() = 0;
};
