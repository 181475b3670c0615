#include "model/RclMxEvsIIISubject.h"

#include <QtGlobal>

RclMxEvsIIISubject::RclMxEvsIIISubject(MpdoSubject* mpdo, UiModeSubject* uiMode)
    : EvsIIISubject()
    , MpdoObserver(mpdo)
    , UiModeObserver(uiMode)
{
}

void RclMxEvsIIISubject::attach(Observer* o)
{
    Subject::attach(o);
    // Reports the current UI state at once, so the active flag is right
    // before the first guidance code is read.
    UiModeObserver::attach();
    if (getNumberOfAttachedObservers() == 1)
        subscribe(EvsIIIIndex, 0);
}

void RclMxEvsIIISubject::detach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::detach(o);
    // The UI state is still needed while any observer remains.
    if (before > 0 && getNumberOfAttachedObservers() == 0) {
        UiModeObserver::detach();
        unsubscribe(EvsIIIIndex, 0);
    }
}

void RclMxEvsIIISubject::newValue(unsigned int, unsigned char, unsigned int value)
{
    // The controller's code is passed on as it is; the observer decides which
    // codes carry guidance.
    engineError = value & 0xFFFFu;
    slmLoad = static_cast<float>(qRound(((value >> 16) & 0xFFFFu) / 10.0));
    notify();
}

void RclMxEvsIIISubject::uiModeChange(UiModeSubject::uiState_t state)
{
    active = state == UiModeSubject::UI_CRANE || state == UiModeSubject::UI_STAB;
    notify();
}

EvsIIISubject::evsError_t RclMxEvsIIISubject::getEvsEngineError()
{
    return active ? static_cast<evsError_t>(engineError) : EVS_ERROR_NONE;
}
