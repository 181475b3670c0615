#include "model/UiGenerationObserver.h"

UiGenerationObserver::UiGenerationObserver(UiGenerationSubject* s)
    : Observer(s)
{
    if (s)
        cache = s->generation;
}

UiGenerationObserver::~UiGenerationObserver()
{
    detach();
}

void UiGenerationObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    // Re-read: the generation may have arrived while this observer was not attached.
    if (auto* s = dynamic_cast<UiGenerationSubject*>(subject))
        cache = s->generation;
    uiGenerationChanged(cache);
}

void UiGenerationObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void UiGenerationObserver::update()
{
    auto* s = subject ? dynamic_cast<UiGenerationSubject*>(subject) : nullptr;
    if (!s || s->generation == cache)
        return;
    cache = s->generation;
    uiGenerationChanged(cache);
}

void UiGenerationObserver::uiGenerationChanged(uiGenerations_t) {}
