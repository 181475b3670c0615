#pragma once

#include "CanBackend.h"

#include <QString>

#include <functional>

class QSocketNotifier;

// A real CAN bus for the desktop program through a SocketCAN raw socket on
// an interface chosen by name (can0, can1, vcan0 ...). The controller's MPDO
// frames (0x465) go to the display; the display's frames go onto the bus
// without the platform's 0x1000 identifier offset.
class SocketCanBackend : public CanBackend {
    Q_OBJECT
public:
    using FrameSink = std::function<void(const unsigned char* data, unsigned char len)>;
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

    void transmit(unsigned int id, const unsigned char* data, unsigned char len) override;

    static bool isValidInterfaceName(const QString& name);

public slots:
    // Reads every frame waiting on the socket.
    void readFrames();

private:
    void close();

    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
    FrameSink m_sink;
};
