#include "SocketCanBackend.h"

#include "VemorPlatform.h"

#include <QRegularExpression>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <linux/can.h>
#include <linux/can/raw.h>
#include <net/if.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr unsigned int PlatformOffset = 0x1000;
}

SocketCanBackend::SocketCanBackend(QObject* parent)
    : CanBackend(parent)
    , m_retry(new QTimer(this))
    , m_sink([](const unsigned char* data, unsigned char len) { VemorPlatform::instance()->receiveCanFrame(data, len); })
{
    m_retry->setInterval(1000);
    connect(m_retry, &QTimer::timeout, this, &SocketCanBackend::retry);
}

void SocketCanBackend::setRetryInterval(int ms)
{
    m_retry->setInterval(ms);
}

SocketCanBackend::~SocketCanBackend()
{
    close();
}

bool SocketCanBackend::isValidInterfaceName(const QString& name)
{
    static const QRegularExpression form(QStringLiteral("^[A-Za-z0-9_.-]{1,15}$"));
    return form.match(name).hasMatch();
}

bool SocketCanBackend::open(const QString& interfaceName, QString* error)
{
    close();
    m_retry->stop();
    if (!isValidInterfaceName(interfaceName)) {
        if (error)
            *error = QStringLiteral("\"%1\" is not an interface name").arg(interfaceName);
        return false;
    }
    const int fd = openDescriptor(interfaceName, error);
    if (fd < 0)
        return false;
    adopt(fd);
    m_interface = interfaceName;
    return true;
}

int SocketCanBackend::openDescriptor(const QString& interfaceName, QString* error)
{
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return -1;
    };
    const int fd = ::socket(PF_CAN, SOCK_RAW, CAN_RAW);
    if (fd < 0)
        return fail(QStringLiteral("cannot open a CAN socket: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
    ifreq ifr {};
    const QByteArray name = interfaceName.toLatin1();
    std::memcpy(ifr.ifr_name, name.constData(), static_cast<size_t>(qMin(name.size(), IFNAMSIZ - 1)));
    if (::ioctl(fd, SIOCGIFINDEX, &ifr) < 0) {
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        ::close(fd);
        return fail(QStringLiteral("no CAN interface %1: %2").arg(interfaceName, why));
    }
    sockaddr_can addr {};
    addr.can_family = AF_CAN;
    addr.can_ifindex = ifr.ifr_ifindex;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) < 0) {
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        ::close(fd);
        return fail(QStringLiteral("cannot bind to %1: %2").arg(interfaceName, why));
    }
    return fd;
}

void SocketCanBackend::adopt(int descriptor)
{
    close();
    if (descriptor < 0)
        return;
    m_fd = descriptor;
    // Reads must never block the GUI thread.
    const int flags = ::fcntl(m_fd, F_GETFL, 0);
    if (flags >= 0)
        ::fcntl(m_fd, F_SETFL, flags | O_NONBLOCK);
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SocketCanBackend::readFrames);
}

void SocketCanBackend::close()
{
    // Also called from the notifier's own signal: let it go later.
    if (m_notifier) {
        m_notifier->setEnabled(false);
        m_notifier->deleteLater();
    }
    m_notifier = nullptr;
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

// The socket no longer reaches the bus: without a new one the display would
// keep showing the last values as if they were current.
void SocketCanBackend::lose()
{
    close();
    if (m_retry->isActive())
        return;
    std::fprintf(stderr, "nordel: CAN interface %s lost, opening it again every %d ms\n",
                 qPrintable(m_interface.isEmpty() ? QStringLiteral("(descriptor)") : m_interface), m_retry->interval());
    m_retry->start();
}

void SocketCanBackend::retry()
{
    int fd = -1;
    if (m_reopen)
        fd = m_reopen();
    else if (!m_interface.isEmpty())
        fd = openDescriptor(m_interface, nullptr);
    if (fd < 0)
        return;
    m_retry->stop();
    adopt(fd);
    std::fprintf(stderr, "nordel: CAN interface %s open again\n",
                 qPrintable(m_interface.isEmpty() ? QStringLiteral("(descriptor)") : m_interface));
}

void SocketCanBackend::readFrames()
{
    if (m_fd < 0)
        return;
    for (;;) {
        can_frame f {};
        const ssize_t n = ::read(m_fd, &f, sizeof f);
        if (n < 0) {
            // ENETDOWN: set down, still bound; it works again once up.
            if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR && errno != ENETDOWN)
                lose();
            return;
        }
        // The far end of a descriptor is gone (a closed socket pair).
        if (n == 0) {
            lose();
            return;
        }
        if (n != static_cast<ssize_t>(sizeof f))
            return;
        // Extended, remote and error frames carry flags in the identifier and
        // never match.
        if (f.can_id != ReceivedId || f.can_dlc > CAN_MAX_DLEN)
            continue;
        if (m_sink)
            m_sink(f.data, f.can_dlc);
    }
}

void SocketCanBackend::transmit(unsigned int id, const unsigned char* data, unsigned char len)
{
    if (m_fd < 0)
        return;
    can_frame f {};
    f.can_id = ((id & PlatformOffset) ? id - PlatformOffset : id) & CAN_SFF_MASK;
    f.can_dlc = len > CAN_MAX_DLEN ? CAN_MAX_DLEN : len;
    if (data)
        std::memcpy(f.data, data, f.can_dlc);
    // A full socket buffer or a bus set down drops the frame, as a bus-off
    // controller would; an interface that is gone needs a new socket.
    if (::write(m_fd, &f, sizeof f) < 0 && (errno == ENXIO || errno == ENODEV || errno == EPIPE || errno == EBADF))
        lose();
}
