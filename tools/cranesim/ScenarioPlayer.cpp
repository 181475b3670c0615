#include "ScenarioPlayer.h"

#include "ScenarioTarget.h"

#include <QTimer>

ScenarioPlayer::ScenarioPlayer(const Scenario& scenario, ScenarioTarget* target, QObject* parent)
    : QObject(parent)
    , m_scenario(scenario)
    , m_target(target)
    , m_fired(scenario.events().size(), false)
    , m_timer(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &ScenarioPlayer::tick);
}

void ScenarioPlayer::start(int tickMs)
{
    m_clock.start();
    m_timer->start(tickMs < 1 ? 1 : tickMs);
    advanceTo(0);
}

void ScenarioPlayer::stop()
{
    m_timer->stop();
}

void ScenarioPlayer::tick()
{
    advanceTo(m_clock.elapsed());
}

void ScenarioPlayer::applyRamps(qint64 local)
{
    for (int i = m_activeRamps.size() - 1; i >= 0; --i) {
        const Scenario::Event& e = m_scenario.events().at(m_activeRamps.at(i));
        const qint64 into = local - e.atMs;
        if (into >= e.durationMs) {
            m_target->setQuantity(e.name, e.to);
            m_activeRamps.remove(i);
        } else {
            const double f = e.durationMs > 0 ? double(into) / double(e.durationMs) : 1.0;
            m_target->setQuantity(e.name, e.from + (e.to - e.from) * f);
        }
    }
}

void ScenarioPlayer::advanceTo(qint64 ms)
{
    if (m_finished || !m_target || ms < m_position)
        return;
    m_position = ms;
    const QVector<Scenario::Event>& events = m_scenario.events();
    bool again = true;
    while (again && !m_finished) {
        again = false;
        const qint64 local = m_position - m_loopBase;
        for (int i = 0; i < events.size() && !again; ++i) {
            const Scenario::Event& e = events.at(i);
            if (m_fired.at(i) || e.atMs > local)
                continue;
            // Ramps that started earlier reach this event's time first.
            applyRamps(e.atMs);
            m_fired[i] = true;
            switch (e.kind) {
            case Scenario::Event::Set:
                // A later setting ends a ramp of the same quantity.
                for (int r = m_activeRamps.size() - 1; r >= 0; --r) {
                    if (events.at(m_activeRamps.at(r)).name == e.name)
                        m_activeRamps.remove(r);
                }
                m_target->setQuantity(e.name, e.from);
                break;
            case Scenario::Event::Ramp:
                for (int r = m_activeRamps.size() - 1; r >= 0; --r) {
                    if (events.at(m_activeRamps.at(r)).name == e.name)
                        m_activeRamps.remove(r);
                }
                m_activeRamps.append(i);
                m_target->setQuantity(e.name, e.from);
                break;
            case Scenario::Event::Press:
            case Scenario::Event::Release:
                m_target->softKey(e.number, e.kind == Scenario::Event::Press);
                break;
            case Scenario::Event::Lever:
                m_target->lever(e.number, e.value);
                break;
            case Scenario::Event::Input:
                m_target->digitalInput(e.number, e.value != 0);
                break;
            case Scenario::Event::Screenshot:
                m_target->screenshot(e.name);
                break;
            case Scenario::Event::Loop:
                applyRamps(e.atMs);
                m_activeRamps.clear();
                m_loopBase += e.atMs;
                m_fired.fill(false);
                ++m_loops;
                again = true;
                break;
            case Scenario::Event::End:
                m_finished = true;
                m_timer->stop();
                emit finished();
                return;
            }
        }
    }
    applyRamps(m_position - m_loopBase);
    if (m_activeRamps.isEmpty() && !m_fired.contains(false) && !m_finished) {
        m_finished = true;
        m_timer->stop();
        emit finished();
    }
}
