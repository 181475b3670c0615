#pragma once

#include "core/Subject.h"

// Source of the application's own version strings. It holds nothing: the
// strings are fixed at build time and AppVersionOberver carries them.
class AppVerSubject : public Subject {
public:
    using Subject::Subject;
};
