#include "VemorPlatform.h"

#include "CanBackend.h"
#include "CandumpLogger.h"
#include "Configuration.h"
#include "View.h"
#include "ViewMaster.h"

#include <QPointer>
#include <QTimer>

namespace {
// The platform adds this to every transmitted identifier; the bus sees it without.
constexpr unsigned int TransmitOffset = 0x1000;
}

VemorPlatform* VemorPlatform::instance()
{
    static VemorPlatform* platform = new VemorPlatform;
    return platform;
}

VemorPlatform::VemorPlatform(QObject* parent)
    : QObject(parent)
{
    m_leds.fill(LED_COLOR_OFF);
    // Levers rest in the centre position.
    m_levers.fill(LeverCentre);
}

void VemorPlatform::setConfiguration(Configuration* configuration)
{
    m_configuration = configuration;
}

void VemorPlatform::setCanBackend(CanBackend* backend)
{
    m_backend = backend;
}

bool VemorPlatform::setCandumpLog(const QString& path)
{
    delete m_log;
    m_log = nullptr;
    if (path.isEmpty())
        return true;
    m_log = new CandumpLogger(path);
    return m_log->isOpen();
}

void VemorPlatform::deliver(unsigned char subKind, unsigned int kind, unsigned char* data, unsigned char len)
{
    if (!m_configuration)
        return;
    PcuMessage m;
    m.subKind = subKind;
    m.kind = kind;
    m.length = len;
    m.data = data;
    if (m_configuration->viewMaster)
        m_configuration->viewMaster->parseNewPcuMessage(&m);
    for (View* v : m_configuration->views) {
        if (v)
            v->handleNewMessage(&m);
    }
}

void VemorPlatform::receiveCanFrame(const unsigned char* data, unsigned char len)
{
    unsigned char frame[8] = {};
    const unsigned char n = len > 8 ? 8 : len;
    for (unsigned char i = 0; i < n && data; ++i)
        frame[i] = data[i];
    if (m_log)
        m_log->write(0x465, frame, n);
    emit canFrameReceived(QByteArray(reinterpret_cast<const char*>(frame), n));
    deliver(0, PcuMessage::CanFrame, frame, n);
}

void VemorPlatform::setLever(int lever, unsigned char raw)
{
    if (lever < 0 || lever >= LeverCount || m_levers[lever] == raw)
        return;
    m_levers[lever] = raw;
    emit hardwareChanged();
    sendSystemMessages();
}

void VemorPlatform::setDigitalInput(int input, bool pressed)
{
    if (input < 0 || input >= InputCount)
        return;
    const unsigned int bit = 1u << input;
    const unsigned int next = pressed ? (m_inputs | bit) : (m_inputs & ~bit);
    if (next == m_inputs)
        return;
    m_inputs = next;
    emit hardwareChanged();
    sendSystemMessages();
}

void VemorPlatform::setRadio(bool cable, unsigned char signal)
{
    if (cable == m_cable && signal == m_signal)
        return;
    m_cable = cable;
    m_signal = signal;
    emit hardwareChanged();
    sendSystemMessages();
}

void VemorPlatform::setBattery(unsigned char raw)
{
    if (raw == m_battery)
        return;
    m_battery = raw;
    emit hardwareChanged();
    sendSystemMessages();
}

void VemorPlatform::setSoftButtons(unsigned char bits)
{
    if (bits == m_softButtons)
        return;
    m_softButtons = bits;
    emit hardwareChanged();
    deliverButtons();
}

void VemorPlatform::deliverButtons()
{
    if (!m_configuration)
        return;
    if (m_configuration->viewMaster)
        m_configuration->viewMaster->updateButtonStatus(m_softButtons);
    for (View* v : m_configuration->views) {
        if (v)
            v->handleNewButtonStatus(m_softButtons);
    }
}

void VemorPlatform::setXonXoff(unsigned char x)
{
    if (!m_configuration)
        return;
    if (m_configuration->viewMaster)
        m_configuration->viewMaster->handleXonXoff(x);
    for (View* v : m_configuration->views) {
        if (v)
            v->handleXonXoff(x);
    }
}

void VemorPlatform::reportWrongVersion()
{
    if (!m_configuration)
        return;
    for (View* v : m_configuration->views) {
        if (v)
            v->wrongVersion();
    }
}

void VemorPlatform::sendSystemMessages()
{
    unsigned char levers[LeverCount];
    for (int i = 0; i < LeverCount; ++i)
        levers[i] = m_levers[i];
    deliver(5, PcuMessage::SystemMessage, levers, LeverCount);

    unsigned char inputs[4];
    for (int i = 0; i < 4; ++i)
        inputs[i] = static_cast<unsigned char>(m_inputs >> (8 * i));
    deliver(6, PcuMessage::SystemMessage, inputs, 4);

    unsigned char radio[3] = {static_cast<unsigned char>(m_cable ? 1 : 0), m_signal, m_battery};
    deliver(7, PcuMessage::SystemMessage, radio, 3);
}

void VemorPlatform::startPeriodicMessages(int intervalMs)
{
    if (m_periodicStarted)
        return;
    m_periodicStarted = true;
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] {
        sendSystemMessages();
        deliverButtons();
    });
    timer->start(intervalMs);
}

unsigned char VemorPlatform::lever(int n) const
{
    return (n >= 0 && n < LeverCount) ? m_levers[n] : 0;
}

bool VemorPlatform::digitalInput(int n) const
{
    return n >= 0 && n < InputCount && ((m_inputs >> n) & 1u);
}

void VemorPlatform::transmitCan(unsigned int id, const unsigned char* data, unsigned char len)
{
    const unsigned char n = len > 8 ? 8 : len;
    const unsigned int busId = (id & TransmitOffset) ? id - TransmitOffset : id;
    if (m_log)
        m_log->write(busId, data, n);
    emit canFrameSent(id, QByteArray(reinterpret_cast<const char*>(data), data ? n : 0));
    if (m_backend)
        m_backend->transmit(id, data, n);
}

void VemorPlatform::setLed(unsigned char led, LedColor colour)
{
    if (led >= LedCount || colour > LED_COLOR_OFF)
        return;
    m_leds[led] = colour;
    emit ledChanged(led, colour);
}

LedColor VemorPlatform::led(int n) const
{
    return (n >= 0 && n < LedCount) ? m_leds[n] : LED_COLOR_OFF;
}

void VemorPlatform::setBuzzer(const BuzzerConfig& config)
{
    m_buzzer = config;
    emit buzzerChanged(config);
}

void VemorPlatform::setBacklight(bool autoMode, unsigned char level)
{
    m_backlightAuto = autoMode;
    m_backlightLevel = level;
    emit backlightChanged(autoMode, level);
}

void VemorPlatform::requestVersion(View* view, VersionItem item)
{
    emit versionRequested(item);
    QPointer<View> target(view);
    QTimer::singleShot(20, this, [this, target, item] {
        if (!target)
            return;
        switch (item) {
        case CpuInfo:
            target->cpuInfo(serialNumber, hardwareVersion);
            break;
        case BootVersion:
            target->bootVer(bootVersion);
            break;
        case OsVersion:
            target->osVer(osVersion);
            break;
        }
    });
}

void VemorPlatform::deliverRtc(ViewMaster* master, const rtc_time& t)
{
    QPointer<ViewMaster> target(master);
    QTimer::singleShot(0, this, [target, t] {
        rtc_time copy = t;
        if (target)
            target->handleRtcData(&copy);
    });
}
