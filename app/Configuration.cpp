#include "Configuration.h"

#include "app/VemorToQt.h"
#include "app/VemorViewMaster.h"

#include <cstdint>

// Table the platform reads: first word 0x465, second 0x1FF, rest zero.
extern "C" {
alignas(4) unsigned char currentDspObjects[256] = {0x65, 0x04, 0x00, 0x00, 0xFF, 0x01, 0x00, 0x00};
}

void Configuration::init()
{
    dspObjects = currentDspObjects;
    auto* master = new VemorViewMaster;
    viewMaster = master;
    views.append(new VemorToQt(master, nullptr));
}
