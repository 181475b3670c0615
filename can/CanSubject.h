#pragma once

#include "can/canMessage.h"
#include "core/Subject.h"

#include <array>
#include <cstdint>

// A CAN bus as a subject: received frames are queued in a bounded FIFO and
// every attached CanObserver consumes each of them once, in order; frames to
// send are queued by sendCanMessage().
class CanSubject : public Subject {
    Q_OBJECT
public:
    // About half a second of a saturated 1 Mbit/s bus (~9,000 frames/s).
    static constexpr int ReceiveCapacity = 4096;

    explicit CanSubject(QObject* parent = nullptr);

    // The most recently received frame.
    virtual canMessage getCanMessage() = 0;
    virtual void sendCanMessage(canMessage& m) = 0;

    // Sequence number the next received frame will get.
    uint64_t receiveHead() const { return rxHead; }
    // The frame with sequence number seq, if it is still held.
    bool receivedFrame(uint64_t seq, canMessage& out) const;
    // Oldest sequence number still held.
    uint64_t receiveTail() const { return rxTail; }
    // Frames lost because an observer had not consumed them before the FIFO
    // filled up: the oldest give way to the newest.
    uint64_t getDroppedFrames() const { return dropped; }
    // True once a frame went through the FIFO.
    bool usesReceiveFifo() const { return fifoUsed; }

protected:
    // Queues a received frame and posts a notification; false if the oldest
    // unconsumed frame had to give way to it.
    bool pushReceived(const canMessage& m);

private:
    void reclaim();

    std::array<canMessage, ReceiveCapacity> rxRing {};
    uint64_t rxHead = 0;
    uint64_t rxTail = 0;
    uint64_t dropped = 0;
    bool fifoUsed = false;
};
