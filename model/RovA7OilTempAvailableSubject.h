#pragma once

#include "can/MpdoObserver.h"
#include "model/OilTempAvailableSubject.h"

class MpdoSubject;
class QSettings;

// Oil-temperature sensor presence (bit 0) from the controller's entry 0x448E,
// read once, from construction until the first value.
// The flag is kept in the settings file so that the screens are laid out
// right at start-up, before the controller has answered.
class RovA7OilTempAvailableSubject : public OilTempAvailableSubject, public MpdoObserver {
public:
    static constexpr unsigned int EntryIndex = 0x448E;

    RovA7OilTempAvailableSubject(QSettings* settings, MpdoSubject* mpdo);

    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;

private:
    QSettings* settings;
    bool received = false;
};
