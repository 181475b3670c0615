#pragma once

#include "can/CanSubject.h"

#include <QList>

class QTimer;
struct can_frame;

// CAN through a Linux SocketCAN raw socket on can0, polled every 250 ms.
// Only frames with identifier 0x465 are taken.
class SocketCanSubject : public CanSubject {
    Q_OBJECT
public:
    SocketCanSubject();
    // Uses an already open descriptor carrying 16-byte can_frame records
    // instead of opening can0 (a socket pair in tests, for example).
    explicit SocketCanSubject(int descriptor);

    int openCanSocket();
    canMessage getCanMessage() override;
    void sendCanMessage(canMessage& m) override;
    void handleNewFrame(can_frame* f);

public slots:
    void readCanBus();
    void txMsg();

private:
    void startTimers();

    QTimer* rxTimer;
    QTimer* txTimer;
    unsigned int rxId = 1125;
    QList<canMessage> txQueue;
    canMessage current;
};
