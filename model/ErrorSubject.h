#pragma once

#include "model/RclErrorSubject.h"

// Name under which the screens take the controller's error subject; the
// same interface as RclErrorSubject.
class ErrorSubject : public RclErrorSubject {
public:
    explicit ErrorSubject(QObject* parent = nullptr)
        : RclErrorSubject(parent)
    {
    }
};
