#include "RclMxTimeSubject.h"

#include <QTimer>

namespace {
constexpr unsigned int TimeIndex = 0x23B0;
constexpr int MinuteMs = 60000;
}

RclMxTimeSubject::RclMxTimeSubject(MpdoSubject* mpdo)
    : Subject(nullptr)
    , MpdoObserver(mpdo)
    , timer(new QTimer(this))
{
    QObject::connect(timer, &QTimer::timeout, this, [this] { minuteTick(); });
}

RclMxTimeSubject::~RclMxTimeSubject() = default;

void RclMxTimeSubject::attach(Observer* o)
{
    Subject::attach(o);
    if (!subscribed) {
        subscribed = true;
        subscribe(TimeIndex, 0);
    }
}

bool RclMxTimeSubject::timeAvailable() const
{
    return available;
}

long RclMxTimeSubject::getTime() const
{
    return time;
}

void RclMxTimeSubject::setTimeAvailable(bool a)
{
    available = a;
}

void RclMxTimeSubject::newValue(unsigned int index, unsigned char subIndex, unsigned int value)
{
    if (index != TimeIndex || subIndex != 0)
        return;
    time = static_cast<long>(value);
    available = true;
    unsubscribe(TimeIndex, 0);
    notify();
    timer->start(MinuteMs);
}

void RclMxTimeSubject::minuteTick()
{
    time += 60;
    notify();
}
