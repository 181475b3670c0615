#include "ShellGallery.h"

#include "Gallery.h"

#include "ControllerSimulator.h"
#include "CraneModel.h"
#include "SimulatorBackend.h"

#include "app/CenterViewFactory.h"
#include "app/VemorToQt.h"
#include "app/nordelappwidget.h"
#include "model/UiModeSubject.h"
#include "ui/FullScreenMessage.h"
#include "ui/MainWidget.h"
#include "ui/ModeWidget.h"

#include "Configuration.h"
#include "VemorPlatform.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QSettings>
#include <QTextStream>
#include <QThread>

#include <cmath>
#include <utility>
#include <vector>

namespace {

using Settings = std::vector<std::pair<const char*, double>>;

struct Scene {
    uiGenerations_t look;
    const char* name;
    Settings settings;
    UiModeSubject::uiState_t state;
    // Time for values, fades and blinking to settle after the state is up.
    int settleMs;
    // Drives what the simulated crane cannot: called with true before the
    // picture and with false after it.
    void (*drive)(bool on) = nullptr;
};

// The platform's pairing report reaches the radio-link subject, but that
// subject always reports a paired link, so the UI mode is told directly.
void unpaired(bool on)
{
    if (CenterViewFactory::subjectUiMode)
        CenterViewFactory::subjectUiMode->isPairedChanged(!on);
}

constexpr int StateTimeoutMs = 10000;
constexpr int SettleMs = 900;
const double Unknown = std::nan("");

// What every scene starts from: a paired remote with a good link on a crane
// in crane mode, no error, no override, nothing extra in the status bar.
const Settings& baseline()
{
    static const Settings s = {
        {"mode", 1},
        {"driver.version", 3},
        {"radio.signal", 15},
        {"radio.paired", 1},
        {"radio.cable", 0},
        {"battery", 12},
        {"error", 0},
        {"error.alt", 0},
        {"override", 0},
        {"override.time", 0},
        {"evs3.code", 0},
        {"slm.load", 0},
        {"cbs", 0},
        {"mooring", 0},
        {"infocentre.top", 0},
        {"infocentre.bottom", 0},
        {"epto.available", 0},
        {"epto.charging", 0},
        {"epto.active", 0},
        {"epto.hot", 0},
        {"epto.error", 0},
        {"epto.stop", 0},
        {"crane.load", 42},
        {"flyjib.load", 18},
        {"winch.load", 9},
        {"evs.load", 27},
        {"stab.side", 2},
        {"clock", 1717230900},
    };
    return s;
}

// Mooring, CBS, two info-centre icons (one with the SLM load), an active
// EPTO, and link and battery low enough to turn their bars red.
Settings statusIcons()
{
    return {{"cbs", 1},           {"mooring", 1},      {"infocentre.top", 48}, {"slm.load", 45.3},
            {"infocentre.bottom", 10}, {"epto.available", 1}, {"epto.active", 1},   {"epto.battery", 64},
            {"battery", 4},       {"radio.signal", 3}};
}

Settings cableAndHotEpto()
{
    return {{"radio.cable", 1}, {"mooring", 2}, {"infocentre.top", 36}, {"infocentre.bottom", 16},
            {"epto.available", 1}, {"epto.hot", 1}, {"epto.battery", 12}};
}

ModeWidget* modeWidget()
{
    return VemorToQt::intance ? VemorToQt::intance->findChild<ModeWidget*>() : nullptr;
}

// A camera on the Wi-Fi link puts a fifth view into the crane menu: the
// first page ends in the page-swap key.
void cameraInMenu(bool on)
{
    if (ModeWidget* mode = modeWidget()) {
        mode->streamingAvailableChanged(on);
        mode->updateViewMenu();
    }
}

// The second page of that menu: the camera and the settings.
void cameraMenuPage2(bool on)
{
    ModeWidget* mode = modeWidget();
    if (!mode)
        return;
    if (on) {
        cameraInMenu(true);
        mode->buttonPressed(ModeWidget::SwapButton);
        mode->buttonReleased(ModeWidget::SwapButton);
    } else {
        // Pages wrap: a second press is back on the first page.
        mode->handleButtonPress(ModeWidget::SwapButton);
        cameraInMenu(false);
    }
}

// The operator holds the EVS key down: it is drawn pressed.
void keyHeldDown(bool on)
{
    ModeWidget* mode = modeWidget();
    if (!mode)
        return;
    if (on) {
        mode->buttonPressed(1);
    } else {
        mode->buttonReleased(1);
        mode->handleButtonPress(0);
    }
}

// The display reads the controller's driver version once per run, so a
// mismatch is reported to the UI mode as if it had been the first answer.
void newerController(bool on)
{
    if (on && CenterViewFactory::subjectUiMode)
        CenterViewFactory::subjectUiMode->rclColorDisplayDriverVersionChanged(4);
}

void olderController(bool on)
{
    if (on && CenterViewFactory::subjectUiMode)
        CenterViewFactory::subjectUiMode->rclColorDisplayDriverVersionChanged(1);
}

const std::vector<Scene>& scenes()
{
    using S = UiModeSubject;
    static const std::vector<Scene> list = {
        // The splash only shows before the controller has told its driver
        // version, so it is always taken first.
        {UI_GEN3, "shell-splash", {{"driver.version", Unknown}}, S::UI_INIT, SettleMs},
        {UI_GEN3, "shell-no-signal", {{"radio.signal", 0}}, S::UI_NO_SIGNAL, SettleMs},
        // The display starts counting down once the controller's time falls.
        {UI_GEN3, "shell-override", {{"override", 1}, {"override.time", 48}}, S::UI_OVERRIDE, 2500},
        {UI_GEN3, "shell-error", {{"error", 1234}, {"error.alt", 7}}, S::UI_ERROR, SettleMs},
        {UI_GEN3, "shell-sleep", {{"mode", 3}}, S::UI_SLEEP, SettleMs},
        {UI_GEN3, "shell-stop", {{"mode", 4}}, S::UI_STOP, SettleMs},
        {UI_GEN3, "shell-crane", {}, S::UI_CRANE, SettleMs},
        {UI_GEN3, "shell-stab", {{"mode", 2}, {"stab.side", 0}}, S::UI_STAB, SettleMs},
        {UI_GEN3, "shell-statusbar-icons", statusIcons(), S::UI_CRANE, SettleMs},
        {UI_GEN3, "shell-statusbar-cable-epto-hot", cableAndHotEpto(), S::UI_CRANE, SettleMs},
        {UI_GEN3, "shell-evs3-overlay", {{"evs3.code", 3}, {"slm.load", 78}, {"infocentre.top", 48}}, S::UI_CRANE, SettleMs},
        {UI_GEN3, "shell-override-no-countdown", {{"override", 1}, {"override.time", 0}}, S::UI_OVERRIDE, SettleMs},
        {UI_GEN3, "shell-menu-camera-swap", {}, S::UI_CRANE, SettleMs, cameraInMenu},
        {UI_GEN3, "shell-menu-camera-page2", {}, S::UI_CRANE, SettleMs, cameraMenuPage2},
        {UI_GEN3, "shell-key-pressed", {}, S::UI_CRANE, SettleMs, keyHeldDown},
        {UI_GEN3, "shell-statusbar-epto-charging", {{"epto.available", 1}, {"epto.charging", 1}, {"epto.battery", 70}},
         S::UI_CRANE, SettleMs},
        {UI_GEN3, "shell-statusbar-epto-error", {{"epto.available", 1}, {"epto.error", 1}, {"epto.battery", 55}},
         S::UI_CRANE, SettleMs},
        {UI_GEN3, "shell-statusbar-epto-stop", {{"epto.available", 1}, {"epto.stop", 1}, {"epto.battery", 55}},
         S::UI_CRANE, SettleMs},
        {UI_GEN3, "shell-pairing", {}, S::UI_NOT_PAIRED, SettleMs, unpaired},
        // A software mismatch stays for the rest of the run, so these come
        // last, the weaker one first (the controller update outranks it).
        {UI_GEN3, "shell-display-update", {}, S::UI_DISPLAY_UPDATE, SettleMs, newerController},
        {UI_GEN3, "shell-controller-update", {}, S::UI_RCL_UPDATE, SettleMs, olderController},

        {UI_GEN1, "shell-override-gen1", {{"override", 1}, {"override.time", 7}}, S::UI_OVERRIDE, 2500},
        {UI_GEN1, "shell-error-gen1", {{"error", 23}}, S::UI_ERROR, SettleMs},
        {UI_GEN1, "shell-sleep-gen1", {{"mode", 3}}, S::UI_SLEEP, SettleMs},
        {UI_GEN1, "shell-stop-gen1", {{"mode", 4}}, S::UI_STOP, SettleMs},
        {UI_GEN1, "shell-crane-gen1", {}, S::UI_CRANE, SettleMs},
        {UI_GEN1, "shell-stab-gen1", {{"mode", 2}, {"stab.side", 1}}, S::UI_STAB, SettleMs},
        {UI_GEN1, "shell-statusbar-icons-gen1", statusIcons(), S::UI_CRANE, SettleMs},
        {UI_GEN1, "shell-evs3-overlay-gen1", {{"evs3.code", 5}, {"slm.load", 12}, {"infocentre.top", 48}}, S::UI_CRANE, SettleMs},
    };
    return list;
}

// Lets the display and the simulator run for a while.
void run(int ms)
{
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    } while (timer.elapsed() < ms);
}

int uiState()
{
    if (!VemorToQt::intance || !VemorToQt::intance->appWidget() || !VemorToQt::intance->appWidget()->mainWidget())
        return -1;
    return VemorToQt::intance->appWidget()->mainWidget()->getCurrentState();
}

bool waitForState(int state)
{
    QElapsedTimer timer;
    timer.start();
    while (uiState() != state) {
        if (timer.elapsed() > StateTimeoutMs)
            return false;
        run(20);
    }
    return true;
}

void apply(SimulatorBackend* sim, const Settings& settings)
{
    for (const auto& s : settings)
        sim->setQuantity(QLatin1String(s.first), s.second);
}

// The application graph is one per process (platform singleton, one platform
// view), so it is built on first use and kept.
// The look is fixed for the run too: the display takes the controller's UI
// generation once and uses it from the next start, and the status bar keeps
// the look it was built with. So the stored look is set before building.
SimulatorBackend* application(uiGenerations_t look)
{
    static SimulatorBackend* sim = nullptr;
    if (sim)
        return sim;
    {
        QSettings settings;
        settings.setValue(QStringLiteral("uiGeneration/uiGeneraion"), uint(look));
        settings.sync();
    }
    VemorPlatform* platform = VemorPlatform::instance();
    sim = new SimulatorBackend(platform);
    sim->controller()->setCyclePeriod(50);
    apply(sim, baseline());
    sim->setQuantity(QStringLiteral("ui.generation"), look);
    sim->setQuantity(QStringLiteral("driver.version"), Unknown);
    auto* config = new Configuration;
    config->init();
    platform->setConfiguration(config);
    platform->setCanBackend(sim);
    if (VemorToQt::intance) {
        VemorToQt::intance->setAttribute(Qt::WA_DontShowOnScreen);
        VemorToQt::intance->resize(ShellGallery::ScreenWidth, ShellGallery::ScreenHeight);
        VemorToQt::intance->show();
    }
    platform->sendSystemMessages();
    platform->startPeriodicMessages();
    sim->start();
    return sim;
}

// What moves while a picture is taken: spinner dots, a counting override
// time, a charging bar. Rectangles in screen coordinates.
QVector<QRect> movingParts()
{
    QVector<QRect> parts;
    QWidget* screen = VemorToQt::intance;
    const auto add = [&](QWidget* w) {
        if (w && w->isVisible())
            parts << QRect(w->mapTo(screen, QPoint(0, 0)), w->size());
    };
    for (FullScreenMessage* m : screen->findChildren<FullScreenMessage*>()) {
        if (!m->isVisible())
            continue;
        add(m->spinnerLabel());
        if (uiState() == UiModeSubject::UI_OVERRIDE)
            add(m->descriptionLabel());
    }
    auto* charging = screen->findChild<QProgressBar*>(QStringLiteral("progressBar_epto"));
    if (charging && charging->isVisible()) {
        // Only a charging bar animates; its picture then shows the bolt.
        auto* epto = screen->findChild<QLabel*>(QStringLiteral("label_epto"));
        const QImage bolt(QStringLiteral(":/images/60_EPTO_BATTTERI_transparent_CHARGING.png"));
        if (epto && epto->pixmap(Qt::ReturnByValue).toImage() == bolt.convertToFormat(QImage::Format_ARGB32_Premultiplied))
            add(charging);
    }
    return parts;
}

} // namespace

QStringList ShellGallery::sceneNames()
{
    QStringList names;
    for (const Scene& s : scenes())
        names << QLatin1String(s.name);
    return names;
}

int ShellGallery::lookOf(const QString& name)
{
    for (const Scene& s : scenes()) {
        if (name == QLatin1String(s.name))
            return s.look;
    }
    return -1;
}

int ShellGallery::shoot(Gallery& gallery, uiGenerations_t look, const QStringList& only)
{
    QTextStream err(stderr);
    for (const QString& name : only) {
        if (lookOf(name) < 0) {
            err << "no such screen: " << name << '\n';
            gallery.fail();
        }
    }
    static int builtLook = -1;
    if (builtLook >= 0 && builtLook != look) {
        err << "the display already runs in another look\n";
        gallery.fail();
        return 0;
    }
    builtLook = look;
    SimulatorBackend* sim = application(look);
    if (!VemorToQt::intance) {
        err << "the application did not come up\n";
        gallery.fail();
        return 0;
    }
    int written = 0;
    for (const Scene& scene : scenes()) {
        const QString name = QLatin1String(scene.name);
        if (scene.look != look || (!only.isEmpty() && !only.contains(name)))
            continue;
        apply(sim, baseline());
        sim->setQuantity(QStringLiteral("ui.generation"), look);
        apply(sim, scene.settings);
        if (scene.drive)
            scene.drive(true);
        if (waitForState(scene.state)) {
            run(scene.settleMs);
            if (gallery.save(VemorToQt::intance, name, movingParts()))
                ++written;
        } else {
            err << name << ": the display stayed in state " << uiState() << " instead of " << int(scene.state) << '\n';
            gallery.fail();
        }
        if (scene.drive)
            scene.drive(false);
    }
    apply(sim, baseline());
    sim->setQuantity(QStringLiteral("ui.generation"), look);
    return written;
}
