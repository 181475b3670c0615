#pragma once

#include "can/CanSubject.h"

#include <QList>

class QTimer;
class View;

// CAN through the platform library: the bridge hands received frames to
// setCanMessage(); queued frames leave through View::sendCanMessage, one per
// 50 ms tick, held while the platform signals XOFF.
class VemorRcCanSubject : public CanSubject {
    Q_OBJECT
public:
    explicit VemorRcCanSubject(View* view);
    // The transmit timer has no parent, so it goes with its subject here.
    ~VemorRcCanSubject() override;

    void setCanMessage(unsigned int id, unsigned char* data, unsigned char len);
    canMessage getCanMessage() override;
    void sendCanMessage(canMessage& m) override;
    // Flow control from the platform: every call flips the pause state.
    void setXonXoff(bool x);

    bool isPaused() const { return paused; }
    int pendingTransmitFrames() const { return txQueue.size(); }

public slots:
    void tx();

private:
    QList<canMessage> txQueue;
    View* view;
    QTimer* timer;
    bool paused = false;
    canMessage current;
};
