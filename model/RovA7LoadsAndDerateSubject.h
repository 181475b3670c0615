#pragma once

#include "can/MpdoObserver.h"
#include "model/EvsAvailableObserver.h"
#include "model/FlyjibAvailableObserver.h"
#include "model/LoadsAndDerateSubject.h"
#include "model/WinchAvailableObserver.h"

class EvsAvailableSubject;
class FlyjibAvailableSubject;
class MpdoSubject;
class WinchAvailableSubject;

// Loads (entry 0x48E6) and derates (entry 0x48E7) from the controller, one
// byte each for crane, flyjib, winch and EVS load or HDL level, combined with
// the availability of winch, flyjib and EVS. Subscribed while observed.
class RovA7LoadsAndDerateSubject : public MpdoObserver,
                                   public WinchAvailableObserver,
                                   public FlyjibAvailableObserver,
                                   public EvsAvailableObserver,
                                   public LoadsAndDerateSubject {
public:
    static constexpr unsigned int LoadsIndex = 0x48E6;
    static constexpr unsigned int DeratesIndex = 0x48E7;

    RovA7LoadsAndDerateSubject(MpdoSubject* mpdo, WinchAvailableSubject* winch, FlyjibAvailableSubject* flyjib,
                               EvsAvailableSubject* evs);

    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;
    void attach(Observer* o) override;
    void detach(Observer* o) override;

    float getCraneLoad() override;
    float getWinchLoad() override;
    float getFlyjibLoad() override;
    float getCraneStrength() override;
    float getWinchStrength() override;
    float getFlyjibStrength() override;
    float getStrength() override;
    float getEvsLoad() override;
    bool isLoadValid() override { return loadValid; }
    bool isStrengthValid() override { return strengthValid; }

    // Availability changes are only stored; observers see them with the next value.
    void winchAvailableChanged(bool available) override;
    void flyjibAvailableChanged(bool available) override;
    void evsAvailableChanged(bool available) override;

private:
    float craneLoad = 0;
    float winchLoad = 0;
    float flyjibLoad = 0;
    float evsLoad = 0;
    float craneStrength = 0;
    float winchStrength = 0;
    float flyjibStrength = 0;
    bool winchAvailable = false;
    bool flyjibAvailable = false;
    bool evsAvailable = false;
    bool loadValid = false;
    bool strengthValid = false;
};
