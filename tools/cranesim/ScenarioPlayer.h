#pragma once

#include "Scenario.h"

#include <QElapsedTimer>
#include <QObject>
#include <QVector>

class QTimer;
class ScenarioTarget;

// Plays a Scenario onto a ScenarioTarget: events fire when their time has
// come, ramps are interpolated on every step. advanceTo() drives it by hand
// (tests); start() drives it from the wall clock every tick.
class ScenarioPlayer : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultTickMs = 50;

    ScenarioPlayer(const Scenario& scenario, ScenarioTarget* target, QObject* parent = nullptr);

    // Plays everything due up to ms after the start (only forwards).
    void advanceTo(qint64 ms);
    qint64 position() const { return m_position; }
    bool isFinished() const { return m_finished; }
    int loops() const { return m_loops; }

    void start(int tickMs = DefaultTickMs);
    void stop();

signals:
    // An "end" line was reached, or the last event of a scenario without loop.
    void finished();

private:
    void tick();
    void applyRamps(qint64 local);

    Scenario m_scenario;
    ScenarioTarget* m_target;
    QVector<bool> m_fired;
    QVector<int> m_activeRamps;
    qint64 m_position = 0;
    qint64 m_loopBase = 0;
    int m_loops = 0;
    bool m_finished = false;
    QTimer* m_timer;
    QElapsedTimer m_clock;
};
