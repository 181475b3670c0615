#pragma once

#include "can/MpdoObserver.h"
#include "model/StabIndicationSubject.h"

class MpdoSubject;

// Stabiliser indications from the controller. The fitted stabilisers
// (0x4B21, 0x4B22) are read once right after construction; which of them are
// set (0x48C6) is subscribed while the subject has observers.
class RovA7StabIndicationSubject : public MpdoObserver, public StabIndicationSubject {
public:
    static constexpr unsigned int EnabledMainIndex = 0x4B21;
    static constexpr unsigned int EnabledExtraIndex = 0x4B22;
    static constexpr unsigned int IndicationIndex = 0x48C6;

    explicit RovA7StabIndicationSubject(MpdoSubject* mpdo);

    void attach(Observer* o) override;
    void detach(Observer* o) override;
    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;

    bool isStabIndicatorEnabled(stab_t stab) override;
    bool getStabIndication(stab_t stab) override;
    bool stabErrorIndication() override { return errorIndication; }
    bool isExtraStabEnabled() override;

private:
    void readEnabledOnce(unsigned int index, unsigned int value, const stab_t* bits, int count, bool& done);

    bool enabled[NumberOfStabs] = {};
    bool indication[NumberOfStabs] = {};
    bool errorIndication = false;
    bool mainRead = false;
    bool extraRead = false;
};
