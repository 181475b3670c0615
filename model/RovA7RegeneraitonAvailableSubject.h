#pragma once

#include "can/MpdoObserver.h"
#include "model/RegeneraitonAvailableSubject.h"

class MpdoSubject;
class QSettings;

// Regeneration availability (any value but 0) from the controller's entry 0x4668,
// subscribed while it has observers.
// The flag is kept in the settings file so that the screens are laid out
// right at start-up, before the controller has answered.
class RovA7RegeneraitonAvailableSubject : public RegeneraitonAvailableSubject, public MpdoObserver {
public:
    static constexpr unsigned int EntryIndex = 0x4668;

    RovA7RegeneraitonAvailableSubject(QSettings* settings, MpdoSubject* mpdo);

    void attach(Observer* o) override;
    void detach(Observer* o) override;
    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;

private:
    QSettings* settings;
};
