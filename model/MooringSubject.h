#pragma once

#include "core/Subject.h"

// The crane's mooring (parking lock) state. Fed by the controller-backed
// implementation; read by the status bar.
class MooringSubject : public Subject {
public:
    enum mooringState_t {
        MOORING_OFF = 0,
        MOORING_AUTO = 1,
        MOORING_LOCKED = 2,
    };

    explicit MooringSubject(QObject* parent = nullptr)
        : Subject(parent)
    {
    }

    virtual mooringState_t getMooringState() = 0;
};
