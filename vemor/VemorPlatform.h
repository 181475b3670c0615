#pragma once

#include "BuzzerConfig.h"
#include "LedColor.h"
#include "rtc_time.h"

#include <QObject>
#include <QString>

#include <array>

class CanBackend;
class Configuration;
class View;
class ViewMaster;
class CandumpLogger;

// The desktop stand-in of the remote-control processor: it holds the state of
// the handheld's hardware (levers, inputs, radio link, battery, soft buttons,
// LEDs, buzzer, backlight), delivers platform messages to the application's
// master and views, and passes CAN frames to and from a CanBackend.
class VemorPlatform : public QObject {
    Q_OBJECT
public:
    enum VersionItem { CpuInfo, BootVersion, OsVersion };
    static constexpr int LeverCount = 9;
    static constexpr int InputCount = 32;
    static constexpr int LedCount = 5;
    static constexpr unsigned char LeverCentre = 127;

    static VemorPlatform* instance();

    // Master and views receive messages from now on.
    void setConfiguration(Configuration* configuration);
    Configuration* configuration() const { return m_configuration; }

    // The platform does not own the backend; null detaches it.
    void setCanBackend(CanBackend* backend);
    CanBackend* canBackend() const { return m_backend; }
    // Writes every frame sent and received to a candump log; empty path stops.
    bool setCandumpLog(const QString& path);

    // --- input side: the simulated hardware ---
    void receiveCanFrame(const unsigned char* data, unsigned char len);
    void setLever(int lever, unsigned char raw);
    void setDigitalInput(int input, bool pressed);
    void setRadio(bool cable, unsigned char signal);
    void setBattery(unsigned char raw);
    void setSoftButtons(unsigned char bits);
    void setXonXoff(unsigned char x);
    void reportWrongVersion();
    // Sends messages 5, 6 and 7 now (they also go out periodically once started).
    void sendSystemMessages();
    void startPeriodicMessages(int intervalMs = 250);

    unsigned char lever(int n) const;
    bool digitalInput(int n) const;
    bool cable() const { return m_cable; }
    unsigned char signal() const { return m_signal; }
    unsigned char battery() const { return m_battery; }
    unsigned char softButtons() const { return m_softButtons; }

    // --- output side, called through View ---
    void transmitCan(unsigned int id, const unsigned char* data, unsigned char len);
    void setLed(unsigned char led, LedColor colour);
    void setBuzzer(const BuzzerConfig& config);
    void setBacklight(bool autoMode, unsigned char level);
    void requestVersion(View* view, VersionItem item);
    void deliverRtc(ViewMaster* master, const rtc_time& t);

    LedColor led(int n) const;
    BuzzerConfig buzzer() const { return m_buzzer; }
    bool backlightAuto() const { return m_backlightAuto; }
    unsigned char backlightLevel() const { return m_backlightLevel; }

    // Answers of the version queries.
    QString serialNumber = QStringLiteral("100042");
    QString hardwareVersion = QStringLiteral("HW 2.1");
    QString osVersion = QStringLiteral("4.1.15-desktop");
    QString bootVersion = QStringLiteral("2016.03-desktop");

signals:
    void ledChanged(int led, int colour);
    void buzzerChanged(BuzzerConfig config);
    void backlightChanged(bool autoMode, int level);
    void canFrameSent(unsigned int id, QByteArray data);
    void canFrameReceived(QByteArray data);
    void hardwareChanged();
    // The application asked for a version item (VersionItem).
    void versionRequested(int item);

private:
    explicit VemorPlatform(QObject* parent = nullptr);
    void deliver(unsigned char subKind, unsigned int kind, unsigned char* data, unsigned char len);
    void deliverButtons();

    Configuration* m_configuration = nullptr;
    CanBackend* m_backend = nullptr;
    CandumpLogger* m_log = nullptr;
    std::array<unsigned char, LeverCount> m_levers {};
    unsigned int m_inputs = 0;
    bool m_cable = false;
    unsigned char m_signal = 15;
    unsigned char m_battery = 12;
    unsigned char m_softButtons = 0;
    std::array<LedColor, LedCount> m_leds {};
    BuzzerConfig m_buzzer {};
    bool m_backlightAuto = true;
    unsigned char m_backlightLevel = 7;
    bool m_periodicStarted = false;
};
