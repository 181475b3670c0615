#pragma once

#include "core/Subject.h"

// Look of the display as reported by the controller: generations 0 and 1 use
// the first image set, generation 2 the third.
enum uiGenerations_t {
    UI_GEN1 = 0,
    UI_GEN2 = 1,
    UI_GEN3 = 2,
};

// UI generation of the connected crane. The generation is a plain member read
// by UiGenerationObserver; the controller-backed subject keeps it up to date.
class UiGenerationSubject : public Subject {
public:
    explicit UiGenerationSubject(QObject* parent = nullptr)
        : Subject(parent)
    {
    }

    uiGenerations_t generation = UI_GEN3;
};
