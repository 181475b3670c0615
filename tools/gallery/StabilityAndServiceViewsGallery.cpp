// Gallery pages of the EVS, stabilize, settings, info and camera views.

#include "Gallery.h"

#include "core/OscillatorSubject.h"
#include "core/SettingsSubject.h"
#include "model/ClockSubject.h"
#include "model/InclinationSubject.h"
#include "model/LanguageSubject.h"
#include "model/ServiceSubject.h"
#include "model/StabIndicationSubject.h"
#include "model/UiGenerationSubject.h"
#include "model/stabActiveSideSubject.h"
#include "platform/AppVerSubject.h"
#include "platform/SoftButtonSubject.h"
#include "ui/SideMenu.h"
#include "views/CameraView.h"
#include "views/CraneViewFakes.h"
#include "views/EvsView.h"
#include "views/GstVideoStreamSubject.h"
#include "views/Infoview.h"
#include "views/SettingsView.h"
#include "views/StabilizeView.h"

#include <QFile>
#include <QHBoxLayout>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

class GalleryInclination : public InclinationSubject {
public:
    float getInclinationXdegress() override { return x; }
    float getInclinationYdegress() override { return y; }
    float x = 0, y = 0;
};

class GalleryActiveSide : public stabActiveSideSubject {
public:
    activeStabSide_t getActiveSide() override { return side; }
    activeStabSide_t side = STAB_SIDE_NONE;
};

class GalleryIndication : public StabIndicationSubject {
public:
    bool isStabIndicatorEnabled(stab_t s) override { return enabled[s]; }
    bool getStabIndication(stab_t s) override { return set[s]; }
    bool stabErrorIndication() override { return false; }
    bool isExtraStabEnabled() override { return extra; }
    bool enabled[NumberOfStabs] = {};
    bool set[NumberOfStabs] = {};
    bool extra = false;
};

class GallerySoftButtons : public SoftButtonSubject {
public:
    void setButtonState(unsigned int s) override { state = s; }
    unsigned int getButtonState() override { return state; }
    unsigned int state = 0;
};

class GalleryService : public ServiceSubject {
public:
    int getOperationHoursToService() override { return 120; }
    int getDaysToNextPlannedService() override { return 34; }
    int getOperationHoursToOilChange() override { return 410; }
    int getActiveHours() override { return 1873; }
};

class GalleryStream : public GstVideoStreamSubject {
public:
    GalleryStream()
        : GstVideoStreamSubject(nullptr, nullptr)
    {
    }
    void startStream() override {}
    void stopStream() override {}
    int getStreamSignalQuality() override { return quality; }
    int quality = 0;
};

// The right side menu beside a view, as on the operating screen.
class WithRightMenu : public QWidget {
public:
    explicit WithRightMenu(SideMenu* menu)
    {
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addStretch();
        menu->setParent(this);
        layout->addWidget(menu);
    }
};

void shootEvs(Gallery& gallery, const QString& name, uiGenerations_t look, float x, float y, bool degrees = false)
{
    FakeEvs evs;
    evs.x = x;
    evs.y = y;
    // The controller's own angle readings, shown when the operator picked degrees.
    evs.xDegrees = x / 20;
    evs.yDegrees = y / 20;
    if (degrees)
        evs.evsUnittypeChanged(UNIT_DEGREES);
    UiGenerationSubject generation;
    generation.generation = look;
    EvsView view(&evs, &generation);
    view.showWidget();
    gallery.shoot(&view, name);
}

void shootStabilize(Gallery& gallery, const QString& name, uiGenerations_t look, activeStabSide_t side, bool extra,
                    bool blinkOn, bool evs = true)
{
    FakeEvsAvailable evsAvailable;
    evsAvailable.setAvailable(evs);
    GalleryInclination inclination;
    inclination.x = 1.5f;
    inclination.y = -0.8f;
    GalleryActiveSide activeSide;
    activeSide.side = side;
    GalleryIndication indication;
    indication.extra = extra;
    for (int i = 0; i < StabIndicationSubject::NumberOfStabs; ++i)
        indication.enabled[i] = true;
    indication.enabled[STAB_PAS_DOWN] = false;
    if (!extra)
        for (stab_t s : {STAB_LEFT_BACK_DOWN, STAB_LEFT_BACK_OUT, STAB_RIGHT_BACK_DOWN, STAB_RIGHT_BACK_OUT})
            indication.enabled[s] = false;
    // The right side is set up, the left still to do.
    for (stab_t s : {STAB_FRONT_DOWN, STAB_RIGHT_SIDE_DOWN, STAB_RIGHT_SIDE_OUT, STAB_RIGHT_BACK_DOWN,
                     STAB_RIGHT_BACK_OUT})
        indication.set[s] = true;
    OscillatorSubject clock;
    UiGenerationSubject generation;
    generation.generation = look;
    StabilizeView view(&evsAvailable, &inclination, &activeSide, &indication, &clock, &generation);
    view.showWidget();
    gallery.prepare(&view);
    // Blinking arrows start in their grey phase; one tick shows the colour.
    if (blinkOn)
        clock.oscilate800ms();
    gallery.shoot(&view, name);
}

// The settings store of a page starts in the language the gallery draws in.
bool seedLanguage(QSettings& s)
{
    s.setValue(QStringLiteral("Language/selectedLanguage"), Gallery::language());
    return true;
}

struct SettingsRig {
    QTemporaryDir dir;
    QSettings qsettings {dir.path() + QStringLiteral("/settings.ini"), QSettings::IniFormat};
    bool seeded = seedLanguage(qsettings);
    SettingsSubject settings {&qsettings};
    LanguageSubject language {&settings};
    ClockSubject clock {nullptr, &settings};
    GalleryService service;
    FakeEvsAvailable evsAvailable;
    GallerySoftButtons keys;
};

void shootSettings(Gallery& gallery, const QString& name, int downs, bool notices, bool manualBacklight = false)
{
    SettingsRig rig;
    rig.settings.setBacklightStrength(80);
    if (manualBacklight)
        rig.settings.setBacklightAuto(false);
    auto* menu = new SideMenu(nullptr, SideMenu::SIDE_RIGHT, 4);
    WithRightMenu frame(menu);
    SettingsView* view = new SettingsView(menu, &rig.settings, &rig.keys, &rig.evsAvailable, nullptr, &rig.clock,
                                          &rig.service, &rig.language, &frame);
    static_cast<QHBoxLayout*>(frame.layout())->insertWidget(0, view, 1);
    view->showWidget();
    view->clockStringChanged(QStringLiteral("14:32"));
    if (notices) {
        QFile text(QStringLiteral(":/Licenses/license.txt"));
        if (text.open(QIODevice::ReadOnly | QIODevice::Text))
            view->licenseChanged(QString::fromUtf8(text.read(6000)));
    }
    gallery.prepare(&frame);
    for (int i = 0; i < downs; ++i) {
        view->buttonPressed(6);
        view->buttonReleased(6);
    }
    if (notices) {
        view->buttonPressed(5);
        view->buttonReleased(5);
        gallery.prepare(&frame);
        view->buttonPressed(6);
        view->buttonReleased(6);
    }
    gallery.shoot(&frame, name);
}

void shootInfo(Gallery& gallery)
{
    AppVerSubject appVer;
    Infoview view(nullptr, nullptr, &appVer, nullptr, nullptr, nullptr);
    view.showWidget();
    view.serialNumberChanged(123456);
    view.deviceHardwareVersionChanged(QStringLiteral("3.1"));
    view.deviceSerialNumberChanged(QStringLiteral("0042-1187"));
    view.deviceBootVersionChanged(QStringLiteral("2.0.4"));
    view.deviceOSVersionChanged(QStringLiteral("4.9.88"));
    view.wifiSsidChanged(QStringLiteral("crane-cam"));
    view.wifiIpChanged(QStringLiteral("192.168.10.2"));
    view.wifiSignalQualityChanged(57);
    for (unsigned int i = 0; i < 40; ++i)
        view.buttonStateChanged(i, i == 3 || i == 17 || i == 22);
    // Lever positions in percent, -100 to 100.
    const int levers[8] = {0, 45, -100, 0, 0, 100, 0, -5};
    for (unsigned char n = 0; n < 8; ++n)
        view.leverPositionChanged(n, levers[n]);
    gallery.shoot(&view, QStringLiteral("info"));
}

void shootCamera(Gallery& gallery, const QString& name, int quality)
{
    GalleryStream stream;
    CameraView view(&stream);
    view.showWidget();
    if (quality >= 0)
        view.streamSignalQualityChanged(quality);
    gallery.shoot(&view, name);
}

[[maybe_unused]] const int registered = Gallery::add("stability and service views", [](Gallery& gallery) {
    // The views read their titles from the shared translation table.
    LanguageSubject language(nullptr);

    shootEvs(gallery, QStringLiteral("evs-tilted-left-gen3"), UI_GEN3, -95.7f, 85);
    shootEvs(gallery, QStringLiteral("evs-tilted-right-gen1"), UI_GEN1, 62, -40);
    shootEvs(gallery, QStringLiteral("evs-level-gen3"), UI_GEN3, 0, 0);
    shootEvs(gallery, QStringLiteral("evs-degrees-gen3"), UI_GEN3, -72, 31, true);

    shootStabilize(gallery, QStringLiteral("stabilize-left-blinking-gen3"), UI_GEN3, STAB_SIDE_LEFT, false, true);
    shootStabilize(gallery, QStringLiteral("stabilize-left-extra-stabilisers-gen1"), UI_GEN1, STAB_SIDE_LEFT, true,
                   true);
    shootStabilize(gallery, QStringLiteral("stabilize-right-blink-off-phase"), UI_GEN3, STAB_SIDE_RIGHT, true, false);
    shootStabilize(gallery, QStringLiteral("stabilize-without-evs"), UI_GEN3, STAB_SIDE_LEFT, false, true, false);

    shootSettings(gallery, QStringLiteral("settings-menu"), 0, false);
    shootSettings(gallery, QStringLiteral("settings-clock-line"), 3, false);
    shootSettings(gallery, QStringLiteral("settings-manual-brightness"), 1, false, true);
    // Scrolled down to the service counters (hours to the next service
    // selected) and to the version lines (translation version selected).
    shootSettings(gallery, QStringLiteral("settings-service-lines"), 10, false);
    shootSettings(gallery, QStringLiteral("settings-about-lines"), 13, false);
    shootSettings(gallery, QStringLiteral("settings-notices"), 14, true);

    shootInfo(gallery);

    shootCamera(gallery, QStringLiteral("camera-waiting"), -1);
    shootCamera(gallery, QStringLiteral("camera-weak-signal"), 18);
    shootCamera(gallery, QStringLiteral("camera-good-signal"), 86);
});

} // namespace
