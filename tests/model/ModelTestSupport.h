#pragma once

#include "can/CanSubject.h"
#include "can/MpdoSubject.h"
#include "core/Observer.h"
#include "core/Subject.h"

#include <QVector>

#include <cstring>

// A CAN bus that keeps what the MPDO client sends instead of transmitting it.
class ModelTestCan : public CanSubject {
public:
    canMessage getCanMessage() override { return {}; }
    void sendCanMessage(canMessage& m) override { sent.append(m); }
    QVector<canMessage> sent;
};

// Delivers one controller value through the MPDO client's receive path.
inline void deliver(MpdoSubject* mpdo, unsigned int index, unsigned char sub, unsigned int value)
{
    canMessage m;
    m.id = 0x465;
    m.len = 8;
    m.data[0] = 0x01;
    m.data[1] = index & 0xFF;
    m.data[2] = (index >> 8) & 0xFF;
    m.data[3] = sub;
    m.data[4] = value & 0xFF;
    m.data[5] = (value >> 8) & 0xFF;
    m.data[6] = (value >> 16) & 0xFF;
    m.data[7] = (value >> 24) & 0xFF;
    mpdo->newCanMessage(&m);
}

inline unsigned int floatBits(float f)
{
    unsigned int u = 0;
    std::memcpy(&u, &f, sizeof u);
    return u;
}

inline bool subscribed(MpdoSubject* mpdo, unsigned int index, unsigned char sub = 0)
{
    return mpdo->getMpdoEntry(index, sub) != nullptr;
}

// Counts notifications of any subject.
class NotificationCounter : public Observer {
public:
    explicit NotificationCounter(Subject* s)
        : Observer(s)
    {
    }
    ~NotificationCounter() { detach(); }
    void attach() override { subject->attach(this); }
    void detach() override { subject->detach(this); }
    void update() override { ++updates; }
    int updates = 0;
};
