#pragma once

#include "can/MpdoObserver.h"
#include "model/EvsSubject.h"
#include "model/RclInfoObserver.h"

class MpdoSubject;
class RclInfoSubject;

// EVS values from the controller: tilt in hundredths of a degree (0x48E8),
// tilt in percent (0x48E9) and the calibration level, which newer display
// drivers (version above 2) report in 0x6014 and older ones in 0x48F0.
// Everything is subscribed while the subject has observers.
class RCLMxEvsSubject : public MpdoObserver, public EvsSubject, public RclInfoObserver {
public:
    static constexpr unsigned int DegreesIndex = 0x48E8;
    static constexpr unsigned int PercentIndex = 0x48E9;
    static constexpr unsigned int CalibrationIndex = 0x6014;
    static constexpr unsigned int LegacyCalibrationIndex = 0x48F0;

    RCLMxEvsSubject(MpdoSubject* mpdo, SettingsSubject* settings, RclInfoSubject* info);

    void attach(Observer* o) override;
    void detach(Observer* o) override;
    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;

    float getEvsXpct() override { return valid ? xPercent : 0; }
    float getEvsYpct() override { return valid ? yPercent : 0; }
    float getEvsXdegress() override { return valid ? xDegrees : 0; }
    float getEvsYdegress() override { return valid ? yDegrees : 0; }
    float getEvsCalibrationLevel() override { return valid ? calibrationLevel : 0; }
    bool isEvsValid() override { return valid; }

private:
    int displayDriverVersion() const;

    float xDegrees = 0;
    float yDegrees = 0;
    float xPercent = 0;
    float yPercent = 0;
    float calibrationLevel = 0;
    bool valid = false;
};
