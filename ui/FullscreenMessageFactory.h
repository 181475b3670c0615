#pragma once

#include "model/UiGenerationSubject.h"

class FullScreenMessage;

// The full-screen messages, one per screen outside the operating states.
enum fullscreenMessage_id {
    FULLSCREEN_SPLASH = 0,
    FULLSCREEN_NO_SIGNAL = 1,
    FULLSCREEN_SYNC_REQUEST = 2,
    FULLSCREEN_RCL_UPDATE = 3,
    FULLSCREEN_DISPLAY_UPDATE = 4,
    FULLSCREEN_SLEEP = 5,
    FULLSCREEN_STOP = 6,
    FULLSCREEN_ERROR = 7,
    FULLSCREEN_OVERRIDE = 8,
};

// Builds a full-screen message with its icon and texts in the active language.
class FullscreenMessageFactory {
public:
    // A new parentless message owned by the caller, or null for an unknown id.
    static FullScreenMessage* makeFullscreenMessage(fullscreenMessage_id id, uiGenerations_t generation);
};
