#pragma once

#include "model/UiGenerationSubject.h"

#include <QPixmap>
#include <QString>

// Icons of the generation image sets.
enum iconId_t {
    ICON_CRANE = 0,
    ICON_CRANE_LOAD = 1,
    ICON_ERROR = 2,
    ICON_EVS_X = 3,
    ICON_EVS_Y = 4,
    ICON_EVS = 5,
    ICON_FLYJIB_LOAD = 6,
    ICON_HDL = 7,
    ICON_OVERRIDE = 8,
    ICON_SLEEP = 9,
    ICON_STAB = 10,
    ICON_STOP = 11,
    ICON_EVS_CALIB = 12,
    ICON_OVERRIDEABLE_ERROR = 13,
    ICON_FRONT_STAB_LOAD = 14,
};

// Info-centre icon numbers as the controller sends them (0 to 52).
enum InfoCenterMessages_t : unsigned int {
    INFOCENTER_BLANK = 0,
    INFOCENTER_SLM_LOAD = 48,
    INFOCENTER_LAST = 52,
};

// Status icons of the status bar.
enum notificationIds_t {
    NOTIFICATION_HDL = 0,
    NOTIFICATION_CRANE = 1,
    NOTIFICATION_WARNING = 2,
    NOTIFICATION_ERROR = 3,
    NOTIFICATION_EVS = 4,
    NOTIFICATION_EVS_X = 5,
    NOTIFICATION_EVS_Y = 6,
    NOTIFICATION_OIL = 7,
    NOTIFICATION_MOORING_AUTO = 8,
    NOTIFICATION_MOORING_LOCKED = 9,
    NOTIFICATION_CBS = 10,
};

// Looks up icon pictures by identifier in the image set of a UI generation.
class Icons {
public:
    static QString getPath(uiGenerations_t generation, iconId_t id);
    static QString getPath(uiGenerations_t generation, InfoCenterMessages_t id);
    static QPixmap getIcons(uiGenerations_t generation, iconId_t id);
    static QPixmap getIcons(uiGenerations_t generation, InfoCenterMessages_t id);
    // Picture of a status-bar notification; empty path for an unknown id.
    static QString getNotificationPath(notificationIds_t id);
};
