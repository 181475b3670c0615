#pragma once

#include "can/MpdoObserver.h"
#include "model/FrontStabSubject.h"

class MpdoSubject;
class QSettings;

// Front stabiliser from the controller: availability (0x4A41, persisted as
// "FrontStab/Available" so the overview row is right before the controller
// answers) and load (0x48C5, a float in percent). Both entries are
// subscribed while the subject has observers.
class RclMxFrontStabSubject : public FrontStabSubject, public MpdoObserver {
public:
    static constexpr unsigned int AvailableIndex = 0x4A41;
    static constexpr unsigned int LoadIndex = 0x48C5;

    RclMxFrontStabSubject(MpdoSubject* mpdo, QSettings* settings);

    void attach(Observer* o) override;
    void detach(Observer* o) override;
    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;

    bool isFrontStabLoadValid() override { return loadValid; }
    unsigned int getFronStabLoad() override;

private:
    QSettings* settings;
    bool loadValid = false;
    float load = 0;
};
