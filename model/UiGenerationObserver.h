#pragma once

#include "core/Observer.h"
#include "model/UiGenerationSubject.h"
#include "ui/Icons.h"

#include <QPixmap>

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
    // Pictures of the image set of the cached generation.
    QPixmap getIcon(iconId_t id) const { return Icons::getIcons(cache, id); }
    QPixmap getIcon(InfoCenterMessages_t id) const { return Icons::getIcons(cache, id); }

protected:
    uiGenerations_t cache = UI_GEN3;
};
