#include "SocketCanBackend.h"

#include "VemorPlatform.h"

#include <QRegularExpression>
#include <QSocketNotifier>

#include <cerrno>
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
    , m_sink([](const unsigned char* data, unsigned char len) { VemorPlatform::instance()->receiveCanFrame(data, len); })
{
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
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    close();
    if (!isValidInterfaceName(interfaceName))
        return fail(QStringLiteral("\"%1\" is not an interface name").arg(interfaceName));
    const int fd = ::socket(PF_CAN, SOCK_RAW, CAN_RAW);
    if (fd < 0)
        return fail(QStringLiteral("cannot open a CAN socket: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
    ifreq ifr {};
    const QByteArray name = interfaceName.toLatin1();
    std::memcpy(ifr.ifr_name, name.constData(), static_cast<size_t>(name.size()));
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
    adopt(fd);
    return true;
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
    delete m_notifier;
    m_notifier = nullptr;
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

void SocketCanBackend::readFrames()
{
    if (m_fd < 0)
        return;
    for (;;) {
        can_frame f {};
        const ssize_t n = ::read(m_fd, &f, sizeof f);
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
    // A full socket buffer drops the frame, as a bus-off controller would.
    const ssize_t written = ::write(m_fd, &f, sizeof f);
    (void)written;
}
