#include "Subject.h"

#include "Observer.h"

#include <QMetaMethod>
#include <QMetaObject>

#include <algorithm>

Subject::Subject(QObject* parent)
    : QObject(parent)
{
}

Subject::~Subject() = default;

void Subject::attach(Observer* o)
{
    if (std::find(observers.begin(), observers.end(), o) == observers.end())
        observers.push_back(o);
}

void Subject::detach(Observer* o)
{
    auto it = std::find(observers.begin(), observers.end(), o);
    if (it != observers.end())
        observers.erase(it);
}

void Subject::notify()
{
    // Resolved once: a lookup by name on every notification is a noticeable
    // share of the cost of a received CAN frame.
    static const QMetaMethod slot = Subject::staticMetaObject.method(
        Subject::staticMetaObject.indexOfSlot("notifyObservers()"));
    slot.invoke(this, Qt::QueuedConnection);
}

int Subject::getNumberOfAttachedObservers() const
{
    return static_cast<int>(observers.size());
}

void Subject::notifyObservers()
{
    // The count is re-read on every step: an observer attached from inside
    // update() is updated in the same pass.
    for (std::size_t i = 0; i < observers.size(); ++i)
        observers[i]->update();
}
