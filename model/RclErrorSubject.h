#pragma once

#include "core/Subject.h"

// The controller's error code and alternative code. Fed by the
// controller-backed implementation; read by the UI mode and the main widget.
class RclErrorSubject : public Subject {
public:
    explicit RclErrorSubject(QObject* parent = nullptr)
        : Subject(parent)
    {
    }

    virtual unsigned int getError() = 0;
    virtual unsigned int getAltCode() = 0;
};
