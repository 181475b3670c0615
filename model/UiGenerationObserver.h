#pragma once

#include "core/Observer.h"
#include "model/UiGenerationSubject.h"

// Adapter of UiGenerationSubject: caches the generation at construction,
// reports it when attached and on every change. Does not attach itself.
class UiGenerationObserver : public Observer {
public:
    explicit UiGenerationObserver(UiGenerationSubject* s);
    virtual ~UiGenerationObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void uiGenerationChanged(uiGenerations_t generation);

    uiGenerations_t getUiGeneration() const { return cache; }

protected:
    uiGenerations_t cache = UI_GEN3;
};
