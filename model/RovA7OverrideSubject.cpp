#include "RovA7OverrideSubject.h"

#include <QTimer>

#include <climits>
#include <cstdlib>

namespace {
constexpr unsigned int StateWordIndex = 0x48EA;
constexpr unsigned int OverrideTimeIndex = 0x2C21;
constexpr unsigned int OverrideBit = 1u << 17;
constexpr int TickMs = 100;
// The controller's value lags its own countdown by about this much.
constexpr int ControllerLagMs = 125;
}

RovA7OverrideSubject::RovA7OverrideSubject(MpdoSubject* mpdo)
    : RclOverrideSubject(nullptr)
    , MpdoObserver(mpdo)
    , timer(new QTimer(this))
{
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, this, [this] { countDown(); });
    subscribe(StateWordIndex, 0);
}

RovA7OverrideSubject::~RovA7OverrideSubject() = default;

bool RovA7OverrideSubject::isOverrideActive()
{
    return active;
}

int RovA7OverrideSubject::getOverrideTimeLeftMs()
{
    return timeLeftMs;
}

void RovA7OverrideSubject::newValue(unsigned int index, unsigned char subIndex, unsigned int value)
{
    if (subIndex != 0)
        return;
    if (index == StateWordIndex) {
        if (value & OverrideBit) {
            subscribe(OverrideTimeIndex, 0);
            active = true;
        } else {
            unsubscribe(OverrideTimeIndex, 0);
            active = false;
        }
        notify();
    } else if (index == OverrideTimeIndex) {
        controllerTimeReceived(value);
    }
}

void RovA7OverrideSubject::controllerTimeReceived(unsigned int tenthsOfSecond)
{
    // A corrupt value must not overflow the millisecond arithmetic below.
    const long long wide = static_cast<long long>(tenthsOfSecond) * TickMs;
    const int t = wide > INT_MAX - 1000 ? INT_MAX - 1000 : static_cast<int>(wide);

    if (!counting) {
        timeLeftMs = t;
        if (t >= lastControllerMs) {
            lastControllerMs = t;
            return;
        }
        timeLeftMs = t - ControllerLagMs;
        counting = true;
        notify();
        timer->start(TickMs);
        return;
    }

    if (t - ControllerLagMs - TickMs > timeLeftMs) {
        // The controller's time went up: a new override period began.
        timeLeftMs = lastControllerMs = t - ControllerLagMs;
        counting = false;
        timer->stop();
    }
    if (std::abs(timeLeftMs - (t - ControllerLagMs)) > 1000)
        timeLeftMs = t - ControllerLagMs;
}

void RovA7OverrideSubject::countDown()
{
    timeLeftMs -= TickMs;
    if (timeLeftMs <= 50) {
        timeLeftMs = 0;
        lastControllerMs = 0;
        counting = false;
        timer->stop();
    } else {
        timer->start(TickMs);
    }
    notify();
}
