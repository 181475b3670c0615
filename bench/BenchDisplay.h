#pragma once

// The whole display composed as on the unit, offscreen, on the simulated
// crane, for the end-to-end benchmarks. Header-only: every bench program is a
// single source file.

#include "ControllerSimulator.h"
#include "CraneModel.h"
#include "SimulatorBackend.h"

#include "app/ApplicationStartup.h"
#include "app/CenterViewFactory.h"
#include "app/VemorToQt.h"
#include "app/nordelappwidget.h"
#include "can/MpdoSubject.h"
#include "core/DevicePaths.h"
#include "model/UiModeSubject.h"
#include "support/TestSandbox.h"
#include "ui/MainWidget.h"

#include "Configuration.h"
#include "PcuMessage.h"
#include "VemorPlatform.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QVector>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace bench {

inline void useOffscreenUnlessTold()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// What main() does before the platform library takes over.
inline void loadResources()
{
    ApplicationStartup::loadResourcesAndFont();
}

// Runs posted events until none is left (timers do not count); false if the
// queue never emptied.
inline bool drain(int maxPasses = 10000)
{
    QAbstractEventDispatcher* d = QAbstractEventDispatcher::instance();
    for (int i = 0; i < maxPasses; ++i) {
        QCoreApplication::processEvents();
        if (!d || !d->hasPendingEvents())
            return true;
    }
    return false;
}

inline double cpuSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// Peak and current resident set size in KiB, from /proc/self/status.
inline long statusKib(const char* key)
{
    FILE* f = std::fopen("/proc/self/status", "r");
    if (!f)
        return -1;
    char line[256];
    long value = -1;
    const size_t n = std::strlen(key);
    while (std::fgets(line, sizeof line, f)) {
        if (std::strncmp(line, key, n) == 0 && line[n] == ':') {
            value = std::strtol(line + n + 1, nullptr, 10);
            break;
        }
    }
    std::fclose(f);
    return value;
}

struct Frame {
    unsigned char data[8];
};

class Display {
public:
    Display()
    {
        sandbox.writeStub(QStringLiteral("sync"), "exit 0\n");
        platform = VemorPlatform::instance();
        sim = new SimulatorBackend(platform);
        sim->controller()->setCyclePeriod(20);
    }

    bool isValid() const { return sandbox.isValid(); }

    // Builds the application through the platform's start-up hook and
    // starts the simulated controller.
    void start()
    {
        auto* config = new Configuration;
        config->init();
        platform->setConfiguration(config);
        platform->setCanBackend(sim);
        if (VemorToQt::intance) {
            VemorToQt::intance->show();
            if (VemorToQt::intance->appWidget())
                main = VemorToQt::intance->appWidget()->mainWidget();
        }
        platform->sendSystemMessages();
        platform->startPeriodicMessages();
        sim->start();
    }

    int uiState() const { return main ? main->getCurrentState() : -1; }

    // Every used slot of the display's table has a value.
    bool tableFilled() const
    {
        const MpdoSubject* mpdo = CenterViewFactory::mpdoSubject;
        if (!mpdo || !mpdo->isSynced())
            return false;
        int used = 0;
        for (int k = 0; k < MpdoSubject::NumberOfEntries; ++k) {
            const MpdoSubject::mpdoEntry_t* s = mpdo->slot(k);
            unsigned int v = 0;
            if (!s || !s->index)
                continue;
            ++used;
            if (sim->model()->entryValue(s->index, s->subIndex, v) && !s->valid)
                return false;
        }
        return used > 0;
    }

    // Runs the event loop until the operating screen shows with every
    // subscribed value received; false after timeoutMs.
    bool waitForOperatingScreen(int timeoutMs)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < timeoutMs) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            if (uiState() == UiModeSubject::UI_CRANE && tableFilled())
                return true;
        }
        return false;
    }

    // start(), then wait for the operating screen and stop the simulated
    // controller: from here on the benchmark is the controller. Says why on
    // standard output when the display did not come up.
    bool startAndTakeOver()
    {
        if (!isValid()) {
            std::printf("no temporary folder\n");
            return false;
        }
        start();
        if (!waitForOperatingScreen(20000)) {
            std::printf("the operating screen did not come up (state %d)\n", uiState());
            return false;
        }
        sim->controller()->stop();
        drain();
        return true;
    }

    // How the quantities move from one state to the next: jumping (co-prime
    // steps across the whole range, so bar colours flip on nearly every
    // pass: the worst case) or ramping (one percent per state up and down,
    // as a crane moves; colours change where a ramp crosses a limit).
    enum Motion { Jumping, Ramping };

    // Frames for the subscribed entries while the loads, strengths and HDL
    // level move: only frames that carry a value different from the one the
    // display holds for that entry, so each of them changes something shown.
    QVector<Frame> changingFrames(int states, Motion motion = Jumping)
    {
        QVector<Frame> out;
        const MpdoSubject* mpdo = CenterViewFactory::mpdoSubject;
        unsigned int last[MpdoSubject::NumberOfEntries] = {};
        bool known[MpdoSubject::NumberOfEntries] = {};
        CraneModel* m = sim->model();
        m->set(QStringLiteral("derate.auto"), 0);
        // Up and down between lo and hi, one step per state, from an offset.
        auto ramp = [](int s, int offset, int lo, int hi) {
            const int span = hi - lo;
            const int p = (s + offset) % (2 * span);
            return lo + (p < span ? p : 2 * span - p);
        };
        for (int s = 0; s <= states; ++s) {
            if (motion == Ramping) {
                m->set(QStringLiteral("crane.load"), ramp(s, 0, 5, 105));
                m->set(QStringLiteral("flyjib.load"), ramp(s, 37, 3, 98));
                m->set(QStringLiteral("winch.load"), ramp(s, 71, 2, 99));
                m->set(QStringLiteral("evs.load"), ramp(s, 13, 1, 99));
                m->set(QStringLiteral("crane.strength"), ramp(s, 29, 40, 100));
                m->set(QStringLiteral("hdl.level"), ramp(s, 53, 10, 100));
            } else {
                // Co-prime steps so the quantities do not move in lock-step.
                m->set(QStringLiteral("crane.load"), 5 + (s * 7) % 90);
                m->set(QStringLiteral("flyjib.load"), 3 + (s * 11) % 95);
                m->set(QStringLiteral("winch.load"), 2 + (s * 13) % 97);
                m->set(QStringLiteral("evs.load"), 1 + (s * 17) % 98);
                m->set(QStringLiteral("crane.strength"), 40 + (s * 3) % 61);
                m->set(QStringLiteral("hdl.level"), 10 + (s * 19) % 91);
            }
            for (int k = 0; k < MpdoSubject::NumberOfEntries; ++k) {
                const MpdoSubject::mpdoEntry_t* e = mpdo ? mpdo->slot(k) : nullptr;
                unsigned int v = 0;
                if (!e || !e->index || !m->entryValue(e->index, e->subIndex, v))
                    continue;
                const bool changed = !known[k] || v != last[k];
                known[k] = true;
                last[k] = v;
                // State 0 only primes the comparison.
                if (s == 0 || !changed)
                    continue;
                Frame f;
                ControllerSimulator::encodeFrame(e->index, e->subIndex, v, f.data);
                out.append(f);
            }
        }
        return out;
    }

    // A frame handed to the platform bridge as the platform library does.
    static void deliver(const Frame& f)
    {
        PcuMessage msg;
        msg.kind = PcuMessage::CanFrame;
        msg.subKind = 0;
        msg.length = 8;
        msg.data = const_cast<unsigned char*>(f.data);
        VemorToQt::intance->handleNewMessage(&msg);
    }

    TestSandbox sandbox;
    VemorPlatform* platform = nullptr;
    SimulatorBackend* sim = nullptr;
    MainWidget* main = nullptr;
};

} // namespace bench
