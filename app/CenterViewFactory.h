#pragma once

class AppVerSubject;
class BlockedFunctionSubject;
class ButtonSubject;
class CanSubject;
class CbsSubject;
class CenterView;
class ClockSubject;
class DeviceInfoSubject;
class EptoSubject;
class ErrorSubject;
class EvsAvailableSubject;
class EvsIIISubject;
class EvsSubject;
class FlyjibAvailableSubject;
class FrontStabSubject;
class FunctionStateSubject;
class GstVideoStreamSubject;
class HdlSubject;
class InclinationSubject;
class InfocenterInfoSubject;
class LanguageSubject;
class LeverPositionSubject;
class LicenseSubject;
class LoadsAndDerateSubject;
class MooringSubject;
class MpdoSubject;
class OilTempAvailableSubject;
class OilTempSubject;
class OscillatorSubject;
class QPixmap;
class QSettings;
class RcLinkSubject;
class RclBuzzerSubject;
class RclInfoSubject;
class RclIpCameraSubject;
class RclModeSubject;
class RclMxTimeSubject;
class RclOverrideSubject;
class RegeneraitonAvailableSubject;
class RegenerationModeSubject;
class ServiceSubject;
class SettingsSubject;
class SideMenu;
class SoftButtonSubject;
class StabIndicationSubject;
class UiGenerationSubject;
class UiModeSubject;
class WeightSubject;
class WifiSubject;
class WinchAvailableSubject;
class stabActiveSideSubject;

#include "model/UiGenerationSubject.h"
#include "ui/CenterView.h"

// Registry of the shared subjects, filled once at start-up by the
// composition root, and the builder of the centre views that take their
// subjects from it.
class CenterViewFactory {
public:
    static void initSubjects(QSettings* settings, CanSubject* can, SideMenu* rightSideMenu,
                             SoftButtonSubject* softButtons, DeviceInfoSubject* deviceInfo,
                             LeverPositionSubject* levers, ButtonSubject* buttons, AppVerSubject* appVer);
    static void loadSubjects();

    static CenterView* makeCenterView(centerViewType_t type);
    static QPixmap makeCenterViewIcon(centerViewType_t type, uiGenerations_t generation);

    // Registered by initSubjects().
    static QSettings* settings();
    static CanSubject* canSubject();
    static SideMenu* rightSideMenu();
    static SoftButtonSubject* softButtonSubject();
    static DeviceInfoSubject* deviceInfoSubject();
    static LeverPositionSubject* leverPositionSubject();
    static ButtonSubject* buttonSubject();
    static AppVerSubject* appVerSubject();

    static RcLinkSubject* rcLinkSubject;
    static SettingsSubject* subjectSettings;
    static LanguageSubject* languageSubject;
    static MpdoSubject* mpdoSubject;
    static RclInfoSubject* subjectRclInfo;
    static LicenseSubject* subjectLicense;
    static ErrorSubject* subjectRclError;
    static OscillatorSubject* subjectOscil;
    static RclModeSubject* subjectMode;
    static RclOverrideSubject* subjectOverride;
    static HdlSubject* subjectHdl;
    static InfocenterInfoSubject* subjectInfoCenterInfo;
    static CbsSubject* subjectCbs;
    static MooringSubject* subjectMooring;
    static FlyjibAvailableSubject* subjectFlyjibAvailable;
    static RegeneraitonAvailableSubject* subjectRegenAvailable;
    static RegenerationModeSubject* subjectRegenMode;
    static BlockedFunctionSubject* subjectBlockedFunction;
    static EvsAvailableSubject* subjectEvsAvailable;
    static EvsSubject* subjectEvs;
    static InclinationSubject* subjectInclination;
    static OilTempAvailableSubject* subjectOilTempAvailable;
    static OilTempSubject* subjectOilTemp;
    static WinchAvailableSubject* subjectWinchAvailable;
    static LoadsAndDerateSubject* subjectLoadAndDerate;
    static WeightSubject* subjectHookWeight;
    static WeightSubject* subjectWinchWeight;
    static stabActiveSideSubject* subjectActiveStab;
    static StabIndicationSubject* subjectStabIndication;
    static FunctionStateSubject* subjectFunctionState;
    static RclBuzzerSubject* subjectRclBuzzer;
    static UiModeSubject* subjectUiMode;
    static RclMxTimeSubject* subjectRclMxTimeSubject;
    static UiGenerationSubject* subjectUiGeneration;
    static ServiceSubject* subjectServiceSubject;
    static RclIpCameraSubject* subjectRclMxIpCamera;
    static WifiSubject* subjectWifi;
    static GstVideoStreamSubject* subjectGstVideoStream;
    static EptoSubject* subjectEpto;
    static EvsIIISubject* subjectEvsIII;
    static FrontStabSubject* subjectFrontStab;
    static ClockSubject* subjectClock;
};
