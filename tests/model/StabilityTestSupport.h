#pragma once

#include "can/CanSubject.h"
#include "can/MpdoSubject.h"
#include "core/Observer.h"
#include "core/Subject.h"

#include <QVector>

// A CAN bus that keeps what the MPDO client sends instead of transmitting it.
class StabilityTestCan : public CanSubject {
public:
    canMessage getCanMessage() override { return {}; }
    void sendCanMessage(canMessage& m) override { sent.append(m); }
    QVector<canMessage> sent;
};

// An MPDO frame from the controller carrying one entry with sub-index 0.
inline canMessage stabilityMpdoFrame(unsigned int index, unsigned int value)
{
    canMessage m;
    m.id = 0x465;
    m.len = 8;
    m.data[0] = 0x01;
    m.data[1] = index & 0xFF;
    m.data[2] = (index >> 8) & 0xFF;
    m.data[3] = 0;
    m.data[4] = value & 0xFF;
    m.data[5] = (value >> 8) & 0xFF;
    m.data[6] = (value >> 16) & 0xFF;
    m.data[7] = (value >> 24) & 0xFF;
    return m;
}

// Counts notifications; lets a test attach a plain observer to any subject.
class CountingObserver : public Observer {
public:
    explicit CountingObserver(Subject* s)
        : Observer(s)
    {
    }
    ~CountingObserver() { detach(); }
    void attach() override { subject->attach(this); }
    void detach() override { subject->detach(this); }
    void update() override { ++updates; }
    int updates = 0;
};
