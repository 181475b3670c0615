#pragma once

#include "can/MpdoObserver.h"
#include "model/WinchAvailableSubject.h"

class MpdoSubject;
class QSettings;

// Winch presence (bit 21) from the controller's entry 0x48EA,
// subscribed while it has observers.
// The flag is kept in the settings file so that the screens are laid out
// right at start-up, before the controller has answered.
class RovA7WinchAvailableSubject : public WinchAvailableSubject, public MpdoObserver {
public:
    static constexpr unsigned int EntryIndex = 0x48EA;

    RovA7WinchAvailableSubject(QSettings* settings, MpdoSubject* mpdo);

    void attach(Observer* o) override;
    void detach(Observer* o) override;
    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;

private:
    QSettings* settings;
};
