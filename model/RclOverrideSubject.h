#pragma once

#include "model/OverrideSubject.h"

// Name under which the screens take the controller's override subject; the
// same interface as OverrideSubject.
class RclOverrideSubject : public OverrideSubject {
public:
    explicit RclOverrideSubject(QObject* parent = nullptr)
        : OverrideSubject(parent)
    {
    }
};
