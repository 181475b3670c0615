#pragma once

#include "core/Subject.h"

// EVS III guidance from the controller: a guidance code telling the operator
// what to do next, and the SLM load. Shown by the status bar and the EVS III
// notification.
class EvsIIISubject : public Subject {
public:
    // Codes 1 to 8 carry a guidance text; any other code has none.
    enum evsError_t : unsigned int {
        EVS_ERROR_NONE = 0,
        EVS_GUIDE_FIRST = 1,
        EVS_GUIDE_LAST = 8
    };

    EvsIIISubject()
        : Subject(nullptr)
    {
    }

    virtual evsError_t getEvsEngineError() = 0;
    virtual float getSlmLoad() = 0;

    static bool hasGuideText(unsigned int code) { return code >= EVS_GUIDE_FIRST && code <= EVS_GUIDE_LAST; }
};
