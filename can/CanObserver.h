#pragma once

#include "can/canMessage.h"
#include "core/Observer.h"

#include <cstdint>

class CanSubject;

// Adapter of a CAN subject: newCanMessage() receives every frame once, in
// order; sendCanMessage() queues a frame for transmission.
class CanObserver : public Observer {
public:
    explicit CanObserver(CanSubject* s);
    virtual ~CanObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void newCanMessage(const canMessage* m);

    // Adds the platform's 0x1000 transmit offset to m.id (the caller's record
    // changes) and queues the frame.
    void sendCanMessage(canMessage& m);

    // Sequence number of the next frame this observer will consume.
    uint64_t nextFrame() const { return next; }

protected:
    canMessage canMsg;

private:
    uint64_t next = 0;
};
