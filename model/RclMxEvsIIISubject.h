#pragma once

#include "can/MpdoObserver.h"
#include "model/EvsIIISubject.h"
#include "model/UiModeObserver.h"

class MpdoSubject;

// EVS III values from the controller's entry 0x47CF: the guidance code in
// bits 0-15 and the SLM load (tenths of a percent) in bits 16-31. The code is
// only passed on while the operating screen is shown, so guidance never pops
// up over a full-screen message.
class RclMxEvsIIISubject : public EvsIIISubject, public MpdoObserver, public UiModeObserver {
public:
    static constexpr unsigned int EvsIIIIndex = 0x47CF;

    RclMxEvsIIISubject(MpdoSubject* mpdo, UiModeSubject* uiMode);

    void attach(Observer* o) override;
    void detach(Observer* o) override;
    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;
    void uiModeChange(UiModeSubject::uiState_t state) override;

    evsError_t getEvsEngineError() override;
    float getSlmLoad() override { return slmLoad; }

private:
    unsigned int engineError = 0;
    float slmLoad = 0;
    bool active = false;
};
