#include "Icons.h"

#include <QPixmapCache>

namespace {

const char* const iconFiles[] = {
    "Crane.png", "CraneLoad.png", "Error.png", "EVS_X.png", "EVS_Y.png",
    "EVS.png", "FlyjibLoad.png", "HDL.png", "Override.png", "Sleep.png",
    "Stab.png", "Stop.png", "EVS_CALIB.png", "OverrideableError.png", "frontStabLoad.png",
};

const char* const infoCenterFiles[] = {
    "00_BLANK.bmp", "22_CRANE.bmp", "21_FLYJIB.bmp", "20_WINCH.bmp", "20_WINCH.bmp",
    "20_WINCH.bmp", "15_EVS_X.bmp", "16_EVS_Y.bmp", "15_EVS_X.bmp", "16_EVS_Y.bmp",
    "23_TEMP.bmp", "00_BLANK.bmp", "19_CRHOOK.bmp", "19_CRHOOK.bmp", "24_HDL.bmp",
    "07_SERVICE.bmp", "08_OVERRIDE.bmp", "03_BATTERI.bmp", "38_REGEN.bmp", "22_CRANE.bmp",
    "07_SERVICE.bmp", "19_CRHOOK.bmp", "19_CRHOOK.bmp", "00_BLANK.bmp", "41_EXT.bmp",
    "29_CREW.bmp", "00_BLANK.bmp", "25_SLEW.bmp", "18_EVS_CALI.bmp", "18_EVS_CALI.bmp",
    "10_STAB_DOWN.bmp", "34_STB_LEFT.bmp", "33_STB_RIGHT.bmp", "36_STB_NOLEFT.bmp", "27_WINCH_DRAG.bmp",
    "26_WINCH_EASE.bmp", "05_SLEEP.bmp", "39_VERT.bmp", "09_STAB_OUT.bmp", "10_STAB_DOWN.bmp",
    "11_STAB.bmp", "12_EVS_ERR.bmp", "28_WINCH_TELE.bmp", "30_BOOM_HS.bmp", "31_POIUNTER.bmp",
    "32_VALUE.bmp", "37_CIO_ERR.bmp", "40_WINCH_PARK.bmp", "17_EVS_SLEW.bmp", "61_EXTRA_ERROR.bmp",
    "49_STOP.bmp", "62_MOORING_OFF.bmp", "63_FRONT_STAB_DOWN.bmp",
};
static_assert(sizeof(infoCenterFiles) / sizeof(infoCenterFiles[0]) == INFOCENTER_LAST + 1,
              "one file per info-centre icon number");

const char* const notificationFiles[] = {
    ":/images/Logoes/HDL_50x50.png", ":/images/Logoes/CraneLogo_light.png", ":/images/Logoes/warning.png",
    ":/images/Logoes/Error.png", ":/images/Logoes/EVS_50x50.png", ":/images/Logoes/EVS_X.png",
    ":/images/Logoes/EVS_Y.png", ":/images/Logoes/OIL_50x50.png", ":/images/Logoes/MooringAuto.png",
    ":/images/Logoes/MooringLocked.png", ":/images/Logoes/CBS.png",
};

bool isGen1Set(uiGenerations_t generation)
{
    return static_cast<int>(generation) == UI_GEN1 || static_cast<int>(generation) == UI_GEN2;
}

QPixmap load(const QString& path)
{
    // Views ask for the same few pictures again and again; decode each once.
    QPixmap p;
    if (!QPixmapCache::find(path, &p)) {
        p.load(path);
        QPixmapCache::insert(path, p);
    }
    return p;
}

} // namespace

QString Icons::getPath(uiGenerations_t generation, iconId_t id)
{
    const int n = static_cast<int>(id);
    if (n < 0 || n > ICON_FRONT_STAB_LOAD)
        return QString();
    return QLatin1String(isGen1Set(generation) ? ":/GEN1/" : ":/GEN3/") + QLatin1String(iconFiles[n]);
}

QString Icons::getPath(uiGenerations_t generation, InfoCenterMessages_t id)
{
    const unsigned int n = id > INFOCENTER_LAST ? 0u : static_cast<unsigned int>(id);
    return QLatin1String(isGen1Set(generation) ? ":/infocenterIcons_Gen1/" : ":/infocenterIcons_Gen3/")
        + QLatin1String(infoCenterFiles[n]);
}

QPixmap Icons::getIcons(uiGenerations_t generation, iconId_t id)
{
    const QString path = getPath(generation, id);
    return path.isEmpty() ? QPixmap() : load(path);
}

QPixmap Icons::getIcons(uiGenerations_t generation, InfoCenterMessages_t id)
{
    return load(getPath(generation, id));
}

QString Icons::getNotificationPath(notificationIds_t id)
{
    const int n = static_cast<int>(id);
    if (n < 0 || n > NOTIFICATION_CBS)
        return QString();
    return QLatin1String(notificationFiles[n]);
}
