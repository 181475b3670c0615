#include "UiModeObserver.h"

UiModeObserver::UiModeObserver(UiModeSubject* s)
    : Observer(s)
{
    if (s)
        mode = s->getUiState();
}

UiModeObserver::~UiModeObserver()
{
    detach();
}

void UiModeObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    auto* s = dynamic_cast<UiModeSubject*>(subject);
    if (!s)
        return;
    mode = s->getUiState();
    uiModeChange(mode);
}

void UiModeObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void UiModeObserver::update()
{
    auto* s = subject ? dynamic_cast<UiModeSubject*>(subject) : nullptr;
    if (!s)
        return;
    const UiModeSubject::uiState_t m = s->getUiState();
    if (m == mode)
        return;
    mode = m;
    uiModeChange(m);
}

void UiModeObserver::uiModeChange(UiModeSubject::uiState_t) {}
