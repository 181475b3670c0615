#pragma once

#include "can/MpdoObserver.h"
#include "model/InclinationSubject.h"

class MpdoSubject;

// Inclination read from the controller's entry 0x48EB (two signed 16-bit
// halves in hundredths of a degree); subscribed while it has observers.
class RovA7InclinationSubject : public InclinationSubject, public MpdoObserver {
public:
    static constexpr unsigned int InclinationIndex = 0x48EB;

    explicit RovA7InclinationSubject(MpdoSubject* mpdo);

    void attach(Observer* o) override;
    void detach(Observer* o) override;
    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;

    float getInclinationXdegress() override { return xDegrees; }
    float getInclinationYdegress() override { return yDegrees; }

private:
    float xDegrees = 0;
    float yDegrees = 0;
};
