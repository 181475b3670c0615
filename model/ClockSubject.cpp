#include "ClockSubject.h"

#include "core/SettingsSubject.h"
#include "model/RclMxTimeSubject.h"

#include <QDateTime>

namespace {
constexpr long SecondsPerDay = 86400;
}

ClockSubject::ClockSubject(RclMxTimeSubject* time, SettingsSubject* settings)
    : RclMxTimeObserver(time)
    , SettingsObserver(settings)
    , Subject(nullptr)
{
    if (settings) {
        type = settings->getClockType();
        offset = settings->getClockTimeOffset();
    }
}

ClockSubject::~ClockSubject() = default;

void ClockSubject::attach(Observer* o)
{
    Subject::attach(o);
    if (getNumberOfAttachedObservers() == 1)
        RclMxTimeObserver::attach();
}

void ClockSubject::detach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::detach(o);
    if (before > 0 && getNumberOfAttachedObservers() == 0)
        RclMxTimeObserver::detach();
}

void ClockSubject::rclTimeChanged(long time)
{
    controllerTime = time;
    available = true;
    notify();
}

void ClockSubject::clockTimeOffsetChanged(long o)
{
    offset = o;
    notify();
}

void ClockSubject::clockTypeChanged(clocktype_t t)
{
    type = t;
    notify();
}

long ClockSubject::getTime() const
{
    return controllerTime + offset;
}

QString ClockSubject::getClockString() const
{
    if (!available)
        return QStringLiteral("--:--");
    // The controller keeps local time; the offset is the only correction.
    const QDateTime t = QDateTime::fromSecsSinceEpoch(static_cast<qint64>(getTime()), Qt::UTC);
    const int hour = t.time().hour();
    const int minute = t.time().minute();
    const QString mm = QStringLiteral("%1").arg(minute, 2, 10, QLatin1Char('0'));
    if (type == CLOCK_12H) {
        const int h12 = hour % 12 == 0 ? 12 : hour % 12;
        return QStringLiteral("%1:").arg(h12, 2, 10, QLatin1Char('0')) + mm
            + (hour < 12 ? QStringLiteral("am") : QStringLiteral("pm"));
    }
    return QStringLiteral("%1:").arg(hour, 2, 10, QLatin1Char('0')) + mm;
}

void ClockSubject::saveOffset()
{
    setClockTimeOffset(offset);
}

void ClockSubject::addHour()
{
    offset = (offset + 3600) % SecondsPerDay;
    saveOffset();
}

void ClockSubject::addMin()
{
    offset = (offset + 60) % SecondsPerDay;
    saveOffset();
}
