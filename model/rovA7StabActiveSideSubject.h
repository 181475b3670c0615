#pragma once

#include "can/MpdoObserver.h"
#include "model/stabActiveSideSubject.h"

class MpdoSubject;

// Active stabiliser side from the controller's entry 0x4870 (low byte, signed:
// -1 left, 1 right); subscribed while it has observers.
class rovA7StabActiveSideSubject : public MpdoObserver, public stabActiveSideSubject {
public:
    static constexpr unsigned int ActiveSideIndex = 0x4870;

    explicit rovA7StabActiveSideSubject(MpdoSubject* mpdo);

    void attach(Observer* o) override;
    void detach(Observer* o) override;
    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;

    activeStabSide_t getActiveSide() override { return side; }

private:
    activeStabSide_t side = STAB_SIDE_NONE;
};
