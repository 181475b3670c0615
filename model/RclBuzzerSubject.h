#pragma once

#include "core/Subject.h"

// The controller's request to sound the handheld's buzzer. Fed by the
// controller-backed implementation; read by the buzzer handler.
class RclBuzzerSubject : public Subject {
public:
    explicit RclBuzzerSubject(QObject* parent = nullptr)
        : Subject(parent)
    {
    }

    virtual bool getBuzzerState() = 0;
    virtual unsigned int getBuzzerTimeMs() = 0;
};
