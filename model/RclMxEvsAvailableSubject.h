#pragma once

#include "can/MpdoObserver.h"
#include "model/EvsAvailableSubject.h"

class MpdoSubject;
class QSettings;

// EVS availability from the controller's entry 0x4D08, persisted as
// "Inclination/Available" so the screens are laid out right at start-up.
class RclMxEvsAvailableSubject : public MpdoObserver, public EvsAvailableSubject {
public:
    static constexpr unsigned int AvailableIndex = 0x4D08;

    RclMxEvsAvailableSubject(QSettings* settings, MpdoSubject* mpdo);

    void attach(Observer* o) override;
    void detach(Observer* o) override;
    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;

private:
    QSettings* settings;
};
