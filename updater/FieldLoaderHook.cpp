#include "Configuration.h"

// The platform library calls this hook when an application starts through
// it. fieldloader never does, but links the library like every program on
// the unit, so the hook must exist.
void Configuration::init() {}
