#include "SimulatorBackend.h"

#include "ControllerSimulator.h"
#include "CraneModel.h"
#include "Scenario.h"
#include "ScenarioPlayer.h"

#include "Configuration.h"
#include "VemorPlatform.h"
#include "View.h"
#include "VirtualHandheld.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QTimer>

#include <cmath>
#include <cstdio>

SimulatorBackend::SimulatorBackend(QObject* parent)
    : CanBackend(parent)
    , m_model(new CraneModel)
    , m_controller(new ControllerSimulator(m_model, this))
    , m_modelTimer(new QTimer(this))
{
    m_controller->setFrameSink([](const unsigned char* data, unsigned char len) {
        VemorPlatform::instance()->receiveCanFrame(data, len);
    });
    connect(m_modelTimer, &QTimer::timeout, this, [this] { step(ModelTickMs); });
}

SimulatorBackend::~SimulatorBackend()
{
    delete m_player;
    m_player = nullptr;
    delete m_model;
}

void SimulatorBackend::setScenario(const Scenario& scenario)
{
    delete m_player;
    m_player = new ScenarioPlayer(scenario, this, this);
    connect(m_player, &ScenarioPlayer::finished, this, &SimulatorBackend::scenarioFinished);
    if (m_started)
        m_player->start();
}

void SimulatorBackend::start()
{
    if (m_started)
        return;
    m_started = true;
    m_controller->start();
    m_modelTimer->start(ModelTickMs);
    if (m_player)
        m_player->start();
}

void SimulatorBackend::step(int ms)
{
    m_model->advance(ms);
}

void SimulatorBackend::transmit(unsigned int id, const unsigned char* data, unsigned char len)
{
    m_controller->receiveCommand(id, data, len);
}

void SimulatorBackend::setQuantity(const QString& name, double value)
{
    if (!m_model->set(name, value))
        return;
    // The remote control's own state reaches the display as platform
    // messages, not over CAN.
    VemorPlatform* platform = VemorPlatform::instance();
    const double v = m_model->get(name);
    if (std::isnan(v))
        return;
    const auto byte = static_cast<unsigned char>(std::lround(v < 0 ? 0 : (v > 255 ? 255 : v)));
    if (name == QLatin1String("radio.signal"))
        platform->setRadio(platform->cable(), byte);
    else if (name == QLatin1String("radio.cable"))
        platform->setRadio(v == 1, platform->signal());
    else if (name == QLatin1String("battery"))
        platform->setBattery(byte);
    else if (name == QLatin1String("radio.paired") && v == 0)
        platform->reportWrongVersion();
}

void SimulatorBackend::softKey(int key, bool pressed)
{
    if (key < 0 || key >= VirtualHandheld::SoftKeyCount)
        return;
    VemorPlatform* platform = VemorPlatform::instance();
    const unsigned char bit = VirtualHandheld::softKeyBit(key);
    const unsigned int bits = pressed ? (platform->softButtons() | bit) : (platform->softButtons() & ~unsigned(bit));
    platform->setSoftButtons(static_cast<unsigned char>(bits));
}

void SimulatorBackend::lever(int lever, int position)
{
    if (position < 0 || position > 255)
        return;
    VemorPlatform::instance()->setLever(lever, static_cast<unsigned char>(position));
}

void SimulatorBackend::digitalInput(int input, bool on)
{
    VemorPlatform::instance()->setDigitalInput(input, on);
}

void SimulatorBackend::screenshot(const QString& name)
{
    if (!Scenario::isValidScreenshotName(name))
        return;
    const Configuration* c = VemorPlatform::instance()->configuration();
    View* view = (c && !c->views.isEmpty()) ? c->views.first() : nullptr;
    const QString path = QDir(m_screenshotDir).filePath(name + QStringLiteral(".png"));
    bool ok = false;
    if (view && QDir().mkpath(m_screenshotDir)) {
        // A screen change of this very pass is laid out only in the next.
        VirtualHandheld::settle();
        ok = view->grab().save(path, "PNG");
    }
    if (!ok)
        std::fprintf(stderr, "crane simulator: cannot write %s\n", qPrintable(path));
    emit screenshotSaved(path, ok);
}

void SimulatorBackend::scenarioFinished()
{
    if (m_quitAtEnd)
        VirtualHandheld::endRun();
}
