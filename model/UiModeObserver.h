#pragma once

#include "core/Observer.h"
#include "model/UiModeSubject.h"

// Adapter of the display's UI state; reports only real state changes.
class UiModeObserver : public Observer {
public:
    explicit UiModeObserver(UiModeSubject* s);
    virtual ~UiModeObserver();

    // Attaches and reports the current state, changed or not.
    void attach() override;
    void detach() override;
    void update() override;
    virtual void uiModeChange(UiModeSubject::uiState_t state);

    UiModeSubject::uiState_t getMode() const { return mode; }

protected:
    UiModeSubject::uiState_t mode = UiModeSubject::UI_INIT;
};
