#pragma once

#include "can/MpdoObserver.h"
#include "model/OilTempAvailableObserver.h"
#include "model/OilTempSubject.h"

class MpdoSubject;
class OilTempAvailableSubject;

// Oil temperature from the controller's entry 0x488C (an IEEE-754 float in
// degrees Celsius). Subscribed only while someone observes it and the crane
// has the sensor, so an absent sensor costs no subscription slot.
class RovA7OilTempSubject : public OilTempSubject, public MpdoObserver, public OilTempAvailableObserver {
public:
    static constexpr unsigned int EntryIndex = 0x488C;

    RovA7OilTempSubject(MpdoSubject* mpdo, SettingsSubject* settings, OilTempAvailableSubject* available);

    void attach(Observer* o) override;
    void detach(Observer* o) override;
    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;

    float getOilTemp() override { return temperature; }
    bool isOilTempValid() override { return valid; }
    void oilTempAvailableChanged(bool available) override;

private:
    float temperature = 0;
    bool valid = false;
    bool sensorAvailable = false;
};
