#pragma once

#include "core/OscillatorObserver.h"
#include "core/SettingsObserver.h"
#include "model/ActiveStabSideObserver.h"
#include "model/CbsObserver.h"
#include "model/FlyjibAvailableObserver.h"
#include "model/HdlObserver.h"
#include "model/LoadsAndDerateObserver.h"
#include "model/StabIndicationObserver.h"
#include "model/UiModeObserver.h"
#include "model/WinchAvailableObserver.h"
#include "platform/LedControl.h"

#include <QObject>

#include <initializer_list>

// Drives the five LEDs beside the display from the crane state. On the bar
// panel they summarise utilisation (crane mode) or the stabilisers
// (stabiliser mode); on the function panel each LED has its own meaning.
// Crane data is only observed in crane mode and stabiliser data only in
// stabiliser mode; the UI state, the settings and the blink clock always.
class LedHandler : public QObject,
                   public HdlObserver,
                   public LoadsAndDerateObserver,
                   public FlyjibAvailableObserver,
                   public WinchAvailableObserver,
                   public StabIndicationObserver,
                   public ActiveStabSideObserver,
                   public UiModeObserver,
                   public OscillatorObserver,
                   public CbsObserver,
                   public SettingsObserver {
public:
    LedHandler(LedControl* ledControl, HdlSubject* hdl, LoadsAndDerateSubject* loads,
               FlyjibAvailableSubject* flyjibAvailable, WinchAvailableSubject* winchAvailable,
               StabIndicationSubject* stabIndication, stabActiveSideSubject* activeSide,
               UiModeSubject* uiMode, OscillatorSubject* oscillator, CbsSubject* cbs,
               SettingsSubject* settings);
    ~LedHandler() override;

    void oscilate800ms(bool on) override;
    void hdlChanged(unsigned int level, bool valid) override;
    void craneLoadChanged(float load, bool valid) override;
    void flyjibLoadChanged(float load, bool valid) override;
    void winchLoadChanged(float load, bool valid) override;
    void evsLoadChanged(float load) override;
    void craneStrengthChanged(float strength) override;
    void flyjibStrengthChanged(float strength) override;
    void winchStrengthChanged(float strength) override;
    void flyjibAvailableChanged(bool available) override;
    void winchAvailableChanged(bool available) override;
    void uiModeChange(UiModeSubject::uiState_t state) override;
    void stabEnabledChanged(stab_t stab, bool enabled) override;
    void stabSetIndicationChanged(stab_t stab, bool set) override;
    void activeStabSideChanged(activeStabSide_t side) override;
    void ledPanelTypeChanged(ledPanelType_t type) override;
    void cbsActiveChanged(bool active) override;

private:
    enum loadIndex_t { CRANE = 0, FLYJIB = 1, WINCH = 2, EVS = 3 };
    static constexpr int NumberOfLeds = 5;
    static constexpr int NumberOfStabs = StabIndicationSubject::NumberOfStabs;

    void updateLeds();
    void setLedsRed();
    void turnOffLeds();
    void updateLedBar();
    void updateLedBarCraneMode();
    void updateLedBarStabMode();
    void updateModeLed();
    void updateLoadLed();
    void updateStrengthLed();
    void updateHdlLed();
    void updateSlewLed();

    void attachCraneObservers();
    void detachCraneObservers();
    void attachStabObservers();
    void detachStabObservers();

    LedControl::ledColor_t groupColor(std::initializer_list<int> stabs) const;
    void setLed(int led, LedControl::ledColor_t color);

    LedControl* ledControl;
    // Neutral until the first reports: no load, full strength and HDL, no
    // stabiliser fitted, no side active. None of them lights a warning, and
    // the stabiliser bar stays dark.
    unsigned int loads[4] = {0, 0, 0, 0};
    unsigned int strengths[4] = {100, 100, 100, 100};
    unsigned int maxLoad = 0;
    unsigned int minStrength = 100;
    unsigned int hdl = 100;
    bool flyjibAvailable = false;
    bool winchAvailable = false;
    UiModeSubject::uiState_t uiState = UiModeSubject::UI_INIT;
    activeStabSide_t activeStabSide = STAB_SIDE_NONE;
    // One entry per stab_t, the rear centre stabiliser included.
    bool stabEnabled[NumberOfStabs] = {};
    bool stabSet[NumberOfStabs] = {};
    bool blink = false;
    bool cbsActive = false;
    ledPanelType_t panelType = LEDPANEL_FUNCTION;
};
