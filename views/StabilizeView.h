#pragma once

#include "model/ActiveStabSideObserver.h"
#include "model/EvsAvailableObserver.h"
#include "model/InclinationObserver.h"
#include "model/StabIndicationObserver.h"
#include "model/UiGenerationObserver.h"
#include "ui/CenterView.h"

class BubbleLevel;
class EvsAvailableSubject;
class InclinationSubject;
class OscillatorSubject;
class QGridLayout;
class StabIndicationSubject;
class StabilizersSideBack;
class UiGenerationSubject;
class stabActiveSideSubject;

// Centre view for setting up the stabilisers: a bubble level with the
// truck's inclination (while EVS is fitted) and the truck from behind with a
// lamp per stabiliser and blinking arrows on the side to extend. Fed by the
// stability subjects while on display; blinks with the shared clock.
class StabilizeView : public CenterView,
                      public EvsAvailableObserver,
                      public InclinationObserver,
                      public ActiveStabSideObserver,
                      public StabIndicationObserver,
                      public UiGenerationObserver {
    Q_OBJECT
public:
    StabilizeView(EvsAvailableSubject* evsAvailable, InclinationSubject* inclination,
                  stabActiveSideSubject* activeSide, StabIndicationSubject* indication,
                  OscillatorSubject* oscillator, UiGenerationSubject* uiGeneration, QWidget* parent = nullptr);
    ~StabilizeView() override;

    void onResume() override;
    void onSuspend() override;

    void evsAvailableChanged(bool available) override;
    void inclinationXdegreeChanged(float degrees) override;
    void inclinationYdegreeChanged(float degrees) override;
    void activeStabSideChanged(activeStabSide_t side) override;
    void stabEnabledChanged(stab_t stab, bool enabled) override;
    void stabSetIndicationChanged(stab_t stab, bool set) override;
    void stabExtraStabeEnabledChanged(bool enabled) override;
    void uiGenerationChanged(uiGenerations_t generation) override;

    BubbleLevel* bubbleLevel() const { return bubble; }
    StabilizersSideBack* truck() const { return stabilizers; }

private:
    QGridLayout* gridLayout = nullptr;
    BubbleLevel* bubble = nullptr;
    StabilizersSideBack* stabilizers = nullptr;
    bool resumed = false;
};
