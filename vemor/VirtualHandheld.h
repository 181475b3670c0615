#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;
class View;

// The desktop stand-in of the handheld: frames the application's 480x272
// view with the soft buttons, LEDs, buzzer and backlight indicators and the
// hardware controls around it. Everything it shows and sets goes through
// VemorPlatform, exactly as the real unit's processor would report it.
class VirtualHandheld : public QWidget {
    Q_OBJECT
public:
    static constexpr int ScreenWidth = 480;
    static constexpr int ScreenHeight = 272;
    static constexpr int SoftKeyCount = 8;
    // Headless runs that only ask for a screenshot still need some time for
    // the application to settle.
    static constexpr int DefaultScreenshotDelayMs = 3000;

    // Command line of the stand-in, next to the application's own.
    struct Options {
        QString screenshotFile;
        QString candumpLog;
        int quitAfterMs = -1; // -1: run until closed
        QStringList errors;
    };
    static Options parseOptions(const QStringList& arguments);

    // Soft key index (0-3 left edge top to bottom, 4-7 right edge bottom to
    // top) for a keyboard key: 1-8 or F1-F8; -1 for any other key.
    static int softKeyForKeyboard(int qtKey);
    // Bit of the soft key in the platform's button-status byte.
    static unsigned char softKeyBit(int key);

    explicit VirtualHandheld(View* view, QWidget* parent = nullptr);
    ~VirtualHandheld() override;

    // Shows the window and applies the command line: candump log, timed
    // quit, screenshot of the view.
    void start();
    void start(const Options& options);

    // Writes the view as it is now to a PNG file, once the layouts and styles
    // still pending have been done, as the display's next paint shows it.
    bool saveScreenshot(const QString& path) const;

    // Runs what already waits in the event queue, timers not included: the
    // layouts, polishing and showing of a screen change made in this pass
    // (its texts are laid out in the next), and the notifications every
    // paint comes after. A picture taken then shows the screen as the next
    // paint draws it.
    static void settle();

    // The run ends by itself (a replay, or a scenario that does not loop,
    // with --quit-at-end): a screenshot asked for on the command line is
    // taken at its end rather than after a delay. Call before start().
    static void takeScreenshotAtEndOfRun();
    // The run has ended: writes the screenshot still asked for, then quits,
    // with status 1 and a message if it could not be written.
    static void endRun();

    QWidget* screen() const { return m_screen; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Writes the command line's screenshot and quits: 0, or 1 if it failed.
    void finishWithScreenshot();
    void setSoftKey(int key, bool pressed);
    void showLed(int led, int colour);
    void applyLeds();
    void showBuzzer();
    void showBacklight();
    void showHardware();
    QWidget* buildControls();

    View* m_view;
    QWidget* m_screen = nullptr;
    // The command line's screenshot, until it is written.
    QString m_pendingScreenshot;
    std::array<QPushButton*, SoftKeyCount> m_softKeys {};
    std::array<QLabel*, 5> m_leds {};
    // Colour each LED is to show, and the one its label shows (-1: none yet).
    std::array<int, 5> m_ledWanted {{-1, -1, -1, -1, -1}};
    std::array<int, 5> m_ledShown {{-1, -1, -1, -1, -1}};
    bool m_ledsPending = false;
    QLabel* m_buzzer = nullptr;
    QLabel* m_backlight = nullptr;
    QSlider* m_signal = nullptr;
    QCheckBox* m_cable = nullptr;
    QSlider* m_battery = nullptr;
    std::array<QSlider*, 9> m_levers {};
    std::array<QCheckBox*, 32> m_inputs {};
};
