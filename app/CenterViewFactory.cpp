#include "CenterViewFactory.h"

#include "can/MpdoSubject.h"
#include "core/OscillatorSubject.h"
#include "core/SettingsSubject.h"
#include "model/FunctionStateSubject.h"
#include "model/LanguageSubject.h"
#include "model/RclMxEptoSubject.h"
#include "model/RclMxEvsAvailableSubject.h"
#include "model/RclMxEvsIIISubject.h"
#include "model/RCLMxEvsSubject.h"
#include "model/RclMxFrontStabSubject.h"
#include "model/RclMxIpCameraSubject.h"
#include "model/RclMxServiceSubject.h"
#include "model/RclMxTimeSubject.h"
#include "model/RclMxUiGenrationSubject.h"
#include "model/RovA7BlockedFunctionSubject.h"
#include "model/RovA7BuzzerSubject.h"
#include "model/RovA7CbsSubject.h"
#include "model/RovA7ErrorSubject.h"
#include "model/RovA7FlyjibAvailableSubject.h"
#include "model/RovA7HdlSubject.h"
#include "model/RovA7HookWeightSubject.h"
#include "model/RovA7InclinationSubject.h"
#include "model/RovA7InfocenterInfoSubject.h"
#include "model/RovA7LoadsAndDerateSubject.h"
#include "model/RovA7ModeSubject.h"
#include "model/RovA7MooringSubject.h"
#include "model/RovA7OilTempAvailableSubject.h"
#include "model/RovA7OilTempSubject.h"
#include "model/RovA7OverrideSubject.h"
#include "model/RovA7RclInfoSubject.h"
#include "model/RovA7RegeneraitonAvailableSubject.h"
#include "model/RovA7RegenerationModeSubject.h"
#include "model/rovA7StabActiveSideSubject.h"
#include "model/RovA7StabIndicationSubject.h"
#include "model/RovA7WinchAvailableSubject.h"
#include "model/RovA7WinchWeightSubject.h"
#include "model/UiModeSubject.h"
#include "ui/Icons.h"
#include "views/CameraView.h"
#include "views/craneoverviewview.h"
#include "views/EvsView.h"
#include "views/GstVideoStreamSubject.h"
#include "views/HdlView.h"
#include "views/Infoview.h"
#include "views/LicenseSubject.h"
#include "views/SettingsView.h"
#include "views/StabilizeView.h"
#include "views/vemorRcWifiSubject.h"

#include <QPixmap>

namespace {
QSettings* settingsFile = nullptr;
CanSubject* canSubjectPtr = nullptr;
SideMenu* rightSideMenuPtr = nullptr;
SoftButtonSubject* softButtonSubjectPtr = nullptr;
DeviceInfoSubject* deviceInfoSubjectPtr = nullptr;
LeverPositionSubject* leverPositionSubjectPtr = nullptr;
ButtonSubject* buttonSubjectPtr = nullptr;
AppVerSubject* appVerSubjectPtr = nullptr;
}

RcLinkSubject* CenterViewFactory::rcLinkSubject = nullptr;
SettingsSubject* CenterViewFactory::subjectSettings = nullptr;
LanguageSubject* CenterViewFactory::languageSubject = nullptr;
MpdoSubject* CenterViewFactory::mpdoSubject = nullptr;
RclInfoSubject* CenterViewFactory::subjectRclInfo = nullptr;
LicenseSubject* CenterViewFactory::subjectLicense = nullptr;
ErrorSubject* CenterViewFactory::subjectRclError = nullptr;
OscillatorSubject* CenterViewFactory::subjectOscil = nullptr;
RclModeSubject* CenterViewFactory::subjectMode = nullptr;
RclOverrideSubject* CenterViewFactory::subjectOverride = nullptr;
HdlSubject* CenterViewFactory::subjectHdl = nullptr;
InfocenterInfoSubject* CenterViewFactory::subjectInfoCenterInfo = nullptr;
CbsSubject* CenterViewFactory::subjectCbs = nullptr;
MooringSubject* CenterViewFactory::subjectMooring = nullptr;
FlyjibAvailableSubject* CenterViewFactory::subjectFlyjibAvailable = nullptr;
RegeneraitonAvailableSubject* CenterViewFactory::subjectRegenAvailable = nullptr;
RegenerationModeSubject* CenterViewFactory::subjectRegenMode = nullptr;
BlockedFunctionSubject* CenterViewFactory::subjectBlockedFunction = nullptr;
EvsAvailableSubject* CenterViewFactory::subjectEvsAvailable = nullptr;
EvsSubject* CenterViewFactory::subjectEvs = nullptr;
InclinationSubject* CenterViewFactory::subjectInclination = nullptr;
OilTempAvailableSubject* CenterViewFactory::subjectOilTempAvailable = nullptr;
OilTempSubject* CenterViewFactory::subjectOilTemp = nullptr;
WinchAvailableSubject* CenterViewFactory::subjectWinchAvailable = nullptr;
LoadsAndDerateSubject* CenterViewFactory::subjectLoadAndDerate = nullptr;
WeightSubject* CenterViewFactory::subjectHookWeight = nullptr;
WeightSubject* CenterViewFactory::subjectWinchWeight = nullptr;
stabActiveSideSubject* CenterViewFactory::subjectActiveStab = nullptr;
StabIndicationSubject* CenterViewFactory::subjectStabIndication = nullptr;
FunctionStateSubject* CenterViewFactory::subjectFunctionState = nullptr;
RclBuzzerSubject* CenterViewFactory::subjectRclBuzzer = nullptr;
UiModeSubject* CenterViewFactory::subjectUiMode = nullptr;
RclMxTimeSubject* CenterViewFactory::subjectRclMxTimeSubject = nullptr;
UiGenerationSubject* CenterViewFactory::subjectUiGeneration = nullptr;
ServiceSubject* CenterViewFactory::subjectServiceSubject = nullptr;
RclIpCameraSubject* CenterViewFactory::subjectRclMxIpCamera = nullptr;
WifiSubject* CenterViewFactory::subjectWifi = nullptr;
GstVideoStreamSubject* CenterViewFactory::subjectGstVideoStream = nullptr;
EptoSubject* CenterViewFactory::subjectEpto = nullptr;
EvsIIISubject* CenterViewFactory::subjectEvsIII = nullptr;
FrontStabSubject* CenterViewFactory::subjectFrontStab = nullptr;
ClockSubject* CenterViewFactory::subjectClock = nullptr;

void CenterViewFactory::initSubjects(QSettings* settings, CanSubject* can, SideMenu* rightSideMenu,
                                     SoftButtonSubject* softButtons, DeviceInfoSubject* deviceInfo,
                                     LeverPositionSubject* levers, ButtonSubject* buttons, AppVerSubject* appVer)
{
    settingsFile = settings;
    canSubjectPtr = can;
    rightSideMenuPtr = rightSideMenu;
    softButtonSubjectPtr = softButtons;
    deviceInfoSubjectPtr = deviceInfo;
    leverPositionSubjectPtr = levers;
    buttonSubjectPtr = buttons;
    appVerSubjectPtr = appVer;
    loadSubjects();
}

void CenterViewFactory::loadSubjects()
{
    // The order matters: settings first, the MPDO client before every
    // controller-backed subject, and each subject after those it is built on.
    auto* settingsSubject = new SettingsSubject(settingsFile);
    subjectSettings = settingsSubject;
    languageSubject = new LanguageSubject(settingsSubject);
    auto* mpdo = new MpdoSubject(canSubjectPtr);
    mpdoSubject = mpdo;
    subjectRclInfo = new RovA7RclInfoSubject(mpdo);
    subjectLicense = new LicenseSubject();
    subjectRclError = new RovA7ErrorSubject(mpdo);
    subjectOscil = new OscillatorSubject();
    subjectMode = new RovA7ModeSubject(mpdo);
    subjectOverride = new RovA7OverrideSubject(mpdo);
    auto* hdl = new RovA7HdlSubject(mpdo);
    subjectHdl = hdl;
    subjectInfoCenterInfo = new RovA7InfocenterInfoSubject(mpdo);
    subjectCbs = new RovA7CbsSubject(mpdo);
    subjectMooring = new RovA7MooringSubject(mpdo);
    subjectFlyjibAvailable = new RovA7FlyjibAvailableSubject(settingsFile, mpdo);
    subjectRegenAvailable = new RovA7RegeneraitonAvailableSubject(settingsFile, mpdo);
    subjectRegenMode = new RovA7RegenerationModeSubject(mpdo);
    subjectBlockedFunction = new RovA7BlockedFunctionSubject(mpdo, hdl);
    subjectEvsAvailable = new RclMxEvsAvailableSubject(settingsFile, mpdo);
    subjectEvs = new RCLMxEvsSubject(mpdo, settingsSubject, subjectRclInfo);
    subjectInclination = new RovA7InclinationSubject(mpdo);
    subjectOilTempAvailable = new RovA7OilTempAvailableSubject(settingsFile, mpdo);
    subjectOilTemp = new RovA7OilTempSubject(mpdo, settingsSubject, subjectOilTempAvailable);
    subjectWinchAvailable = new RovA7WinchAvailableSubject(settingsFile, mpdo);
    subjectLoadAndDerate = new RovA7LoadsAndDerateSubject(mpdo, subjectWinchAvailable, subjectFlyjibAvailable,
                                                          subjectEvsAvailable);
    subjectHookWeight = new RovA7HookWeightSubject(settingsSubject, mpdo);
    subjectWinchWeight = new RovA7WinchWeightSubject(settingsSubject, mpdo);
    subjectActiveStab = new rovA7StabActiveSideSubject(mpdo);
    subjectStabIndication = new RovA7StabIndicationSubject(mpdo);
    subjectFunctionState = new FunctionStateSubject(subjectBlockedFunction, hdl, subjectLoadAndDerate);
    subjectRclBuzzer = new RovA7BuzzerSubject(mpdo);
    subjectUiMode = new UiModeSubject(rcLinkSubject, subjectRclError, subjectOverride, subjectMode, subjectRclInfo);
    subjectRclMxTimeSubject = new RclMxTimeSubject(mpdo);
    subjectUiGeneration = new RclMxUiGenrationSubject(mpdo, settingsFile);
    subjectServiceSubject = new RclMxServiceSubject(mpdo);
    auto* ipCamera = new RclMxIpCameraSubject(mpdo, settingsFile);
    subjectRclMxIpCamera = ipCamera;
    auto* wifi = new vemorRcWifiSubject();
    subjectWifi = wifi;
    subjectGstVideoStream = new GstVideoStreamSubject(wifi, ipCamera);
    subjectEpto = new RclMxEptoSubject(mpdo);
    subjectEvsIII = new RclMxEvsIIISubject(mpdo, subjectUiMode);
    subjectFrontStab = new RclMxFrontStabSubject(mpdo, settingsFile);
}

QSettings* CenterViewFactory::settings()
{
    return settingsFile;
}

CanSubject* CenterViewFactory::canSubject()
{
    return canSubjectPtr;
}

SideMenu* CenterViewFactory::rightSideMenu()
{
    return rightSideMenuPtr;
}

SoftButtonSubject* CenterViewFactory::softButtonSubject()
{
    return softButtonSubjectPtr;
}

DeviceInfoSubject* CenterViewFactory::deviceInfoSubject()
{
    return deviceInfoSubjectPtr;
}

LeverPositionSubject* CenterViewFactory::leverPositionSubject()
{
    return leverPositionSubjectPtr;
}

ButtonSubject* CenterViewFactory::buttonSubject()
{
    return buttonSubjectPtr;
}

AppVerSubject* CenterViewFactory::appVerSubject()
{
    return appVerSubjectPtr;
}

CenterView* CenterViewFactory::makeCenterView(centerViewType_t type)
{
    switch (type) {
    case HDL_VIEW:
        return new HdlView(subjectWinchAvailable, subjectFlyjibAvailable, subjectLoadAndDerate, subjectFunctionState,
                           subjectRegenAvailable, subjectRegenMode, subjectUiGeneration, languageSubject);
    case EVS_VIEW:
        return new EvsView(subjectEvs, subjectUiGeneration);
    case OVERVIEW_VIEW:
        return new craneoverviewview(subjectEvsAvailable, subjectEvs, subjectOilTempAvailable, subjectOilTemp,
                                     subjectWinchAvailable, subjectFlyjibAvailable, subjectLoadAndDerate,
                                     subjectWinchWeight, subjectHookWeight, subjectSettings, subjectHdl,
                                     subjectUiGeneration, subjectFrontStab);
    case SETTINGS_VIEW:
        return new SettingsView(rightSideMenu(), subjectSettings, softButtonSubject(), subjectEvsAvailable,
                                subjectLicense, subjectClock, subjectServiceSubject, languageSubject);
    case STABILIZE_VIEW:
        return new StabilizeView(subjectEvsAvailable, subjectInclination, subjectActiveStab, subjectStabIndication,
                                 subjectOscil, subjectUiGeneration);
    case INFO_VIEW:
        return new Infoview(leverPositionSubject(), subjectRclInfo, appVerSubject(), deviceInfoSubject(),
                            buttonSubject(), subjectWifi);
    case CAMERA_VIEW:
        return new CameraView(subjectGstVideoStream);
    }
    return nullptr;
}

QPixmap CenterViewFactory::makeCenterViewIcon(centerViewType_t type, uiGenerations_t generation)
{
    switch (type) {
    case HDL_VIEW:
        return Icons::getIcons(generation, ICON_CRANE);
    case EVS_VIEW:
        return Icons::getIcons(generation, ICON_EVS);
    case OVERVIEW_VIEW:
        return QPixmap(QStringLiteral(":/images/Logoes/Overview_50x50.png"));
    case SETTINGS_VIEW:
        return QPixmap(QStringLiteral(":/images/Logoes/settings.png"));
    case STABILIZE_VIEW:
        return Icons::getIcons(generation, ICON_STAB);
    case INFO_VIEW:
        return QPixmap(QStringLiteral(":/images/Logoes/info.png"));
    case CAMERA_VIEW:
        return QPixmap(QStringLiteral(":/images/Logoes/Camera_50x50.png"));
    }
    return QPixmap();
}
