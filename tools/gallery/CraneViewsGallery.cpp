// Gallery pages of the crane overview and the HDL view.

#include "Gallery.h"

#include "model/FlyjibAvailableSubject.h"
#include "model/FunctionStateSubject.h"
#include "model/LanguageSubject.h"
#include "model/OilTempAvailableSubject.h"
#include "model/RegeneraitonAvailableSubject.h"
#include "model/UiGenerationSubject.h"
#include "model/WinchAvailableSubject.h"
#include "views/CraneViewFakes.h"
#include "views/HdlView.h"
#include "views/craneoverviewview.h"

namespace {

constexpr int SwapSettleMs = 700;

struct HdlScene {
    bool flyjib = false;
    bool winch = false;
    float craneLoad = 0, flyjibLoad = 0, winchLoad = 0;
    float craneStrength = 100, flyjibStrength = 100, winchStrength = 100;
    bool regen = false;
    unsigned int regenMode = 0;
    // State per function 0 to 11.
    std::vector<int> states;
};

void shootHdl(Gallery& gallery, const QString& name, const HdlScene& scene)
{
    WinchAvailableSubject winch;
    winch.available = scene.winch;
    FlyjibAvailableSubject flyjib;
    flyjib.available = scene.flyjib;
    FakeLoads loads;
    loads.craneLoad = scene.craneLoad;
    loads.flyjibLoad = scene.flyjibLoad;
    loads.winchLoad = scene.winchLoad;
    loads.craneStrength = scene.craneStrength;
    loads.flyjibStrength = scene.flyjibStrength;
    loads.winchStrength = scene.winchStrength;
    FunctionStateSubject functions(nullptr, nullptr, nullptr);
    RegeneraitonAvailableSubject regenAvailable;
    regenAvailable.available = scene.regen;
    FakeRegenMode regenMode;
    regenMode.mode = scene.regenMode;
    UiGenerationSubject generation;
    LanguageSubject language(nullptr);

    HdlView view(&winch, &flyjib, &loads, &functions, &regenAvailable, &regenMode, &generation, &language);
    view.showWidget();
    gallery.prepare(&view, SwapSettleMs);
    for (size_t id = 0; id < scene.states.size(); ++id)
        view.functionStateChanged(static_cast<functionID_t>(id), static_cast<functionState_t>(scene.states[id]));
    gallery.shoot(&view, name);
}

struct OverviewScene {
    uiGenerations_t generation = UI_GEN3;
    bool all = true;
    float craneLoad = 0, flyjibLoad = 0, winchLoad = 0, strength = 100;
    unsigned int hdl = 100, frontStab = 0;
    float evsX = 0, evsY = 0;
    float hookKg = 0, winchKg = 0;
    // Every value reported invalid: the rows turn grey.
    bool valid = true;
    bool degrees = false;
    float evsXDegrees = 0, evsYDegrees = 0;
};

void shootOverview(Gallery& gallery, const QString& name, const OverviewScene& scene)
{
    FakeEvsAvailable evsAvailable;
    evsAvailable.setAvailable(scene.all);
    FakeEvs evs;
    evs.x = scene.evsX;
    evs.y = scene.evsY;
    evs.xDegrees = scene.evsXDegrees;
    evs.yDegrees = scene.evsYDegrees;
    evs.valid = scene.valid;
    if (scene.degrees)
        evs.evsUnittypeChanged(UNIT_DEGREES);
    OilTempAvailableSubject oilAvailable;
    oilAvailable.available = scene.all;
    FakeOilTemp oil;
    oil.celsius = 52;
    oil.valid = scene.valid;
    WinchAvailableSubject winch;
    winch.available = scene.all;
    FlyjibAvailableSubject flyjib;
    flyjib.available = scene.all;
    FakeLoads loads;
    loads.craneLoad = scene.craneLoad;
    loads.flyjibLoad = scene.flyjibLoad;
    loads.winchLoad = scene.winchLoad;
    loads.strength = scene.strength;
    loads.loadValid = loads.strengthValid = scene.valid;
    FakeWeight winchWeight;
    winchWeight.kg = scene.winchKg;
    winchWeight.valid = scene.valid;
    FakeWeight hookWeight;
    hookWeight.kg = scene.hookKg;
    hookWeight.valid = scene.valid;
    FakeHdl hdl;
    hdl.level = scene.hdl;
    hdl.valid = scene.valid;
    UiGenerationSubject generation;
    generation.generation = scene.generation;
    FakeFrontStab frontStab;
    frontStab.setAvailable(scene.all);
    frontStab.load = scene.frontStab;
    frontStab.valid = scene.valid;

    craneoverviewview view(&evsAvailable, &evs, &oilAvailable, &oil, &winch, &flyjib, &loads, &winchWeight,
                           &hookWeight, nullptr, &hdl, &generation, &frontStab);
    view.showWidget();
    gallery.shoot(&view, name);
}

[[maybe_unused]] const int registered = Gallery::add("crane views", [](Gallery& gallery) {
    HdlScene idle;
    idle.craneLoad = 35;
    idle.craneStrength = 100;
    idle.regen = true;
    idle.regenMode = 1;
    idle.states.assign(8, 0);
    shootHdl(gallery, QStringLiteral("hdl-crane-free"), idle);

    HdlScene limited;
    limited.winch = true;
    limited.craneLoad = 78;
    limited.winchLoad = 40;
    limited.craneStrength = 30;
    limited.winchStrength = 100;
    limited.regen = true;
    limited.regenMode = 2;
    limited.states = {1, 0, 2, 0, 2, 0, 1, 3};
    shootHdl(gallery, QStringLiteral("hdl-crane-winch-derated-hdl"), limited);

    HdlScene flyjib;
    flyjib.flyjib = true;
    flyjib.winch = true;
    flyjib.craneLoad = 64;
    flyjib.flyjibLoad = 92;
    flyjib.winchLoad = 20;
    flyjib.craneStrength = 80;
    flyjib.flyjibStrength = 35;
    flyjib.winchStrength = 100;
    flyjib.states = {0, 0, 1, 0, 2, 0, 0, 3, 3, 0, 1, 4};
    shootHdl(gallery, QStringLiteral("hdl-flyjib-mixed"), flyjib);

    HdlScene blocked;
    blocked.flyjib = true;
    blocked.craneLoad = 112;
    blocked.flyjibLoad = 104;
    blocked.craneStrength = 0;
    blocked.flyjibStrength = 0;
    blocked.regen = true;
    blocked.regenMode = 0;
    blocked.states.assign(12, 3);
    shootHdl(gallery, QStringLiteral("hdl-flyjib-blocked"), blocked);

    OverviewScene all;
    all.craneLoad = 72;
    all.flyjibLoad = 35;
    all.winchLoad = 101;
    all.strength = 30;
    all.hdl = 80;
    all.frontStab = 45;
    all.evsX = -95;
    all.evsY = 85;
    all.hookKg = 1250;
    all.winchKg = 830;
    shootOverview(gallery, QStringLiteral("overview-all-rows-gen3"), all);
    all.generation = UI_GEN1;
    shootOverview(gallery, QStringLiteral("overview-all-rows-gen1"), all);
    all.degrees = true;
    all.evsXDegrees = -4.2f;
    all.evsYDegrees = 3.6f;
    shootOverview(gallery, QStringLiteral("overview-evs-degrees-gen1"), all);

    // Nothing valid has come: subjects read 0 and the rows show "-".
    OverviewScene invalid;
    invalid.valid = false;
    shootOverview(gallery, QStringLiteral("overview-invalid-values"), invalid);

    OverviewScene plain;
    plain.all = false;
    plain.craneLoad = 45;
    plain.hdl = 100;
    plain.strength = 100;
    shootOverview(gallery, QStringLiteral("overview-crane-only"), plain);
});

} // namespace
