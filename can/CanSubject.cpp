#include "CanSubject.h"

#include "CanObserver.h"

CanSubject::CanSubject(QObject* parent)
    : Subject(parent)
{
}

bool CanSubject::receivedFrame(uint64_t seq, canMessage& out) const
{
    if (seq < rxTail || seq >= rxHead)
        return false;
    out = rxRing[seq % ReceiveCapacity];
    return true;
}

void CanSubject::reclaim()
{
    // Frames every CAN observer has consumed can be overwritten.
    uint64_t oldest = rxHead;
    for (Observer* o : observers) {
        auto* c = dynamic_cast<CanObserver*>(o);
        if (c && c->nextFrame() < oldest)
            oldest = c->nextFrame();
    }
    if (oldest > rxTail)
        rxTail = oldest;
}

bool CanSubject::pushReceived(const canMessage& m)
{
    fifoUsed = true;
    bool kept = true;
    if (rxHead - rxTail >= static_cast<uint64_t>(ReceiveCapacity)) {
        reclaim();
        // After a long stall the newest frames matter: they carry the values
        // the controller holds now. The oldest frame an observer has not yet
        // consumed gives way.
        if (rxHead - rxTail >= static_cast<uint64_t>(ReceiveCapacity)) {
            ++rxTail;
            ++dropped;
            kept = false;
        }
    }
    rxRing[rxHead % ReceiveCapacity] = m;
    ++rxHead;
    notify();
    return kept;
}
