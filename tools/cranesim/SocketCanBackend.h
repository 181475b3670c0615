#pragma once

#include "CanBackend.h"

#include <QString>

#include <functional>

class QSocketNotifier;
class QTimer;

// A real CAN bus for the desktop program through a SocketCAN raw socket on
// an interface chosen by name (can0, can1, vcan0 ...). The controller's MPDO
// frames (0x465) go to the display; the display's frames go onto the bus
// without the platform's 0x1000 identifier offset. An interface that goes
// away (deleted, or its driver unloaded) unbinds the socket for good, so the
// backend then closes it and opens the interface again once a second until
// it is back; an interface only set down keeps its binding.
class SocketCanBackend : public CanBackend {
    Q_OBJECT
public:
    using FrameSink = std::function<void(const unsigned char* data, unsigned char len)>;
    // Gives a fresh open descriptor, or -1 while the bus is still gone.
    using Reopen = std::function<int()>;
    static constexpr unsigned int ReceivedId = 0x465;

    explicit SocketCanBackend(QObject* parent = nullptr);
    ~SocketCanBackend() override;

    // Opens and binds a raw socket on the interface; false with a reason.
    bool open(const QString& interfaceName, QString* error = nullptr);
    // Uses an open descriptor carrying 16-byte can_frame records instead (a
    // socket pair in tests); the backend closes it.
    void adopt(int descriptor);
    bool isOpen() const { return m_fd >= 0; }

    void setFrameSink(FrameSink sink) { m_sink = std::move(sink); }
    // Replaces opening the interface by name after a loss (tests).
    void setReopen(Reopen reopen) { m_reopen = std::move(reopen); }
    void setRetryInterval(int ms);

    void transmit(unsigned int id, const unsigned char* data, unsigned char len) override;

    static bool isValidInterfaceName(const QString& name);

public slots:
    // Reads every frame waiting on the socket.
    void readFrames();

private:
    static int openDescriptor(const QString& interfaceName, QString* error);
    void close();
    void lose();
    void retry();

    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
    QTimer* m_retry = nullptr;
    QString m_interface;
    FrameSink m_sink;
    Reopen m_reopen;
};
