#pragma once

#include "core/Subject.h"

// The controller's operating mode. Fed by the controller-backed
// implementation; read by the UI mode state machine.
class RclModeSubject : public Subject {
public:
    enum mode_t {
        MODE_NONE = 0,
        MODE_CRANE = 1,
        MODE_STAB = 2,
        MODE_SLEEP = 3,
        MODE_STOP = 4,
    };

    explicit RclModeSubject(QObject* parent = nullptr)
        : Subject(parent)
    {
    }

    virtual mode_t getRclMode() = 0;
};
