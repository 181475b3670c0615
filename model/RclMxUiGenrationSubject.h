#pragma once

#include "can/MpdoObserver.h"
#include "model/UiGenerationSubject.h"

class MpdoSubject;
class QSettings;

// UI generation from the controller's entry 0x4871, read once per run. The
// last known generation is kept in the settings file so that the first screen
// already has the right look.
class RclMxUiGenrationSubject : public UiGenerationSubject, public MpdoObserver {
public:
    static constexpr unsigned int EntryIndex = 0x4871;

    RclMxUiGenrationSubject(MpdoSubject* mpdo, QSettings* settings);

    void attach(Observer* o) override;
    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;

private:
    QSettings* settings;
    bool received = false;
};
