#include "UiModeSubject.h"

#include "model/OverrideSubject.h"
#include "model/RclErrorSubject.h"
#include "model/RclInfoSubject.h"
#include "platform/RcLinkSubject.h"

UiModeSubject::UiModeSubject(RcLinkSubject* rcLink, RclErrorSubject* error, OverrideSubject* override,
                             RclModeSubject* mode, RclInfoSubject* rclInfo)
    : Subject(nullptr)
    , RcLinkObserver(rcLink)
    , RclErrorObserver(error)
    , OverrideObserver(override)
    , RclModeObserver(mode)
    , RclInfoObserver(rclInfo)
{
    flags[UI_INIT] = true;
}

UiModeSubject::~UiModeSubject() = default;

void UiModeSubject::attach(Observer* o)
{
    Subject::attach(o);
    if (getNumberOfAttachedObservers() != 1)
        return;
    RcLinkObserver::attach();
    RclErrorObserver::attach();
    OverrideObserver::attach();
    RclModeObserver::attach();
    RclInfoObserver::attach();
}

void UiModeSubject::detach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::detach(o);
    if (before == 0 || getNumberOfAttachedObservers() != 0)
        return;
    RcLinkObserver::detach();
    RclErrorObserver::detach();
    OverrideObserver::detach();
    RclModeObserver::detach();
    RclInfoObserver::detach();
}

bool UiModeSubject::isConditionSet(uiState_t s) const
{
    return s >= 0 && s < NumberOfStates && flags[s];
}

void UiModeSubject::signalStrengthChanged(unsigned int strength)
{
    setFlag(UI_NO_SIGNAL, strength == 0);
    if (strength == 0)
        setFlag(UI_INIT, false);
    recalculate();
}

void UiModeSubject::isPairedChanged(bool paired)
{
    setFlag(UI_NOT_PAIRED, !paired);
    if (!paired)
        setFlag(UI_INIT, false);
    recalculate();
}

void UiModeSubject::errorCodeChanged(unsigned int code)
{
    setFlag(UI_ERROR, code >= 2);
    recalculate();
}

void UiModeSubject::overrideActive(bool active, unsigned int)
{
    setFlag(UI_OVERRIDE, active);
    recalculate();
}

void UiModeSubject::rclModeChanged(RclModeSubject::mode_t mode)
{
    setFlag(UI_CRANE, false);
    setFlag(UI_STAB, false);
    setFlag(UI_SLEEP, false);
    setFlag(UI_STOP, false);
    switch (mode) {
    case RclModeSubject::MODE_CRANE:
        setFlag(UI_CRANE, true);
        break;
    case RclModeSubject::MODE_STAB:
        setFlag(UI_STAB, true);
        break;
    case RclModeSubject::MODE_SLEEP:
        setFlag(UI_SLEEP, true);
        break;
    case RclModeSubject::MODE_STOP:
        setFlag(UI_STOP, true);
        break;
    default:
        break;
    }
    recalculate();
}

void UiModeSubject::rclColorDisplayDriverVersionChanged(int version)
{
    // -1 means the controller has not answered yet.
    if (version == -1)
        return;
    // A version mismatch is permanent for this run: the software on one side
    // has to be replaced before the display can be used.
    if (version <= 1)
        setFlag(UI_RCL_UPDATE, true);
    else if (version > 3)
        setFlag(UI_DISPLAY_UPDATE, true);
    setFlag(UI_INIT, false);
    recalculate();
}

void UiModeSubject::recalculate()
{
    for (int i = 0; i < NumberOfStates; ++i) {
        if (flags[i]) {
            state = static_cast<uiState_t>(i);
            notify();
            return;
        }
    }
}
