#pragma once

#include "core/Subject.h"
#include "model/OverrideObserver.h"
#include "model/RclErrorObserver.h"
#include "model/RclInfoObserver.h"
#include "model/RclModeObserver.h"
#include "platform/RcLinkObserver.h"

class RcLinkSubject;
class RclErrorSubject;
class OverrideSubject;
class RclModeSubject;
class RclInfoSubject;

// What the display as a whole shows: one state chosen by a fixed priority
// from the radio link and the controller's version, override, error and
// mode. Read by the main widget, the mode widget, the LED handler and the
// EVS III subject. Its inputs are only observed while it has observers.
class UiModeSubject : public Subject,
                      public RcLinkObserver,
                      public RclErrorObserver,
                      public OverrideObserver,
                      public RclModeObserver,
                      public RclInfoObserver {
public:
    // In priority order: a lower value wins.
    enum uiState_t {
        UI_NOT_PAIRED = 0,
        UI_RCL_UPDATE = 1,
        UI_NO_SIGNAL = 2,
        UI_DISPLAY_UPDATE = 3,
        UI_INIT = 4,
        UI_OVERRIDE = 5,
        UI_ERROR = 6,
        UI_CRANE = 7,
        UI_STAB = 8,
        UI_SLEEP = 9,
        UI_STOP = 10,
    };
    static constexpr int NumberOfStates = 11;

    UiModeSubject(RcLinkSubject* rcLink, RclErrorSubject* error, OverrideSubject* override,
                  RclModeSubject* mode, RclInfoSubject* rclInfo);
    ~UiModeSubject() override;

    void attach(Observer* o) override;
    void detach(Observer* o) override;

private:
    // The embedded observers attach by their qualified names only; declared
    // here so the subject's overloads above do not hide them unnoticed.
    using RcLinkObserver::attach;
    using RcLinkObserver::detach;

public:

    void signalStrengthChanged(unsigned int strength) override;
    void isPairedChanged(bool paired) override;
    void errorCodeChanged(unsigned int code) override;
    void overrideActive(bool active, unsigned int timeLeftMs) override;
    void rclModeChanged(RclModeSubject::mode_t mode) override;
    void rclColorDisplayDriverVersionChanged(int version) override;

    uiState_t getUiState() const { return state; }
    // Whether the condition that raises state s is present.
    bool isConditionSet(uiState_t s) const;

private:
    void setFlag(uiState_t s, bool on) { flags[s] = on; }
    void recalculate();

    bool flags[NumberOfStates] = {};
    uiState_t state = UI_INIT;
};
