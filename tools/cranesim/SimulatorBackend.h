#pragma once

#include "CanBackend.h"
#include "ScenarioTarget.h"

#include <QString>

class ControllerSimulator;
class CraneModel;
class QTimer;
class Scenario;
class ScenarioPlayer;

// The simulated crane as the desktop program's CAN backend: the display's
// frames go to the controller simulator, its MPDO frames come back through
// the platform stand-in, and an optional scenario moves the crane model and
// the operator's controls (soft keys, levers, inputs, radio, battery).
class SimulatorBackend : public CanBackend, public ScenarioTarget {
    Q_OBJECT
public:
    static constexpr int ModelTickMs = 50;

    explicit SimulatorBackend(QObject* parent = nullptr);
    ~SimulatorBackend() override;

    CraneModel* model() const { return m_model; }
    ControllerSimulator* controller() const { return m_controller; }
    ScenarioPlayer* player() const { return m_player; }

    // Replaces the running scenario; it starts with start() (or at once if
    // already started).
    void setScenario(const Scenario& scenario);
    // Folder for the scenario's screenshots (created when needed).
    void setScreenshotDir(const QString& dir) { m_screenshotDir = dir; }
    QString screenshotDir() const { return m_screenshotDir; }
    // Ends the program when the scenario ends.
    void setQuitAtEnd(bool quit) { m_quitAtEnd = quit; }

    // Starts the controller's cycle, the model's clock and the scenario.
    void start();
    bool isStarted() const { return m_started; }

    void transmit(unsigned int id, const unsigned char* data, unsigned char len) override;

    void setQuantity(const QString& name, double value) override;
    void softKey(int key, bool pressed) override;
    void lever(int lever, int position) override;
    void digitalInput(int input, bool on) override;
    void screenshot(const QString& name) override;

signals:
    void screenshotSaved(const QString& path, bool ok);

public slots:
    // Lets model time pass (the controller clock, the override countdown).
    void step(int ms);

private:
    void scenarioFinished();

    CraneModel* m_model;
    ControllerSimulator* m_controller;
    ScenarioPlayer* m_player = nullptr;
    QTimer* m_modelTimer;
    QString m_screenshotDir = QStringLiteral(".");
    bool m_quitAtEnd = false;
    bool m_started = false;
};
