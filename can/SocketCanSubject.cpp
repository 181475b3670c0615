#include "SocketCanSubject.h"

#include <QTimer>

#include <cstdio>
#include <cstring>
#include <linux/can.h>
#include <linux/can/raw.h>
#include <net/if.h>
#include <sys/ioctl.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// One SocketCAN connection per process.
int soc = -1;
struct ifreq ifr;
struct sockaddr_can addr;
}

SocketCanSubject::SocketCanSubject()
    : CanSubject(nullptr)
    , rxTimer(new QTimer(this))
    , txTimer(new QTimer(this))
{
    openCanSocket();
    startTimers();
}

SocketCanSubject::SocketCanSubject(int descriptor)
    : CanSubject(nullptr)
    , rxTimer(new QTimer(this))
    , txTimer(new QTimer(this))
{
    soc = descriptor;
    startTimers();
}

void SocketCanSubject::startTimers()
{
    connect(rxTimer, &QTimer::timeout, this, &SocketCanSubject::readCanBus);
    connect(txTimer, &QTimer::timeout, this, &SocketCanSubject::txMsg);
    rxTimer->start(250);
    txTimer->start(250);
}

int SocketCanSubject::openCanSocket()
{
    std::fputs("Openening CAN bus... ", stdout);
    std::fflush(stdout);
    char name[IFNAMSIZ];
    std::snprintf(name, sizeof name, "can%d", 0);

    soc = ::socket(AF_CAN, SOCK_RAW, CAN_RAW);
    if (soc < 0) {
        std::puts("\033[31mFail\033[0m\nFailed to create socket");
        std::fflush(stdout);
        return -1;
    }
    std::memset(&ifr, 0, sizeof ifr);
    std::snprintf(ifr.ifr_name, IFNAMSIZ, "%s", name);
    // Without can0 the index stays 0, and binding to 0 means every CAN
    // interface: that would report success and listen to another bus.
    const bool found = ::ioctl(soc, SIOCGIFINDEX, &ifr) == 0 && ifr.ifr_ifindex > 0;
    std::memset(&addr, 0, sizeof addr);
    addr.can_family = AF_CAN;
    addr.can_ifindex = found ? ifr.ifr_ifindex : 0;
    if (!found || ::bind(soc, reinterpret_cast<struct sockaddr*>(&addr), sizeof addr) < 0) {
        std::puts("\033[31mFail\033[0m\nFailed to bind CAN socket");
        std::fflush(stdout);
        ::close(soc);
        soc = -1;
        return -2;
    }
    std::puts("\033[32mOK\033[0m");
    std::fflush(stdout);
    return 0;
}

void SocketCanSubject::readCanBus()
{
    if (soc < 0 || soc >= FD_SETSIZE)
        return;
    struct timeval timeout = {0, 10000};
    for (;;) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(soc, &readable);
        // Linux select() lowers timeout by the time waited, so the whole drain takes at most 10 ms.
        if (::select(soc + 1, &readable, nullptr, nullptr, &timeout) <= 0)
            break;
        struct can_frame frame;
        const ssize_t n = ::read(soc, &frame, sizeof frame);
        if (n != static_cast<ssize_t>(sizeof frame))
            break;
        if (frame.can_id == rxId)
            handleNewFrame(&frame);
    }
}

void SocketCanSubject::handleNewFrame(can_frame* f)
{
    if (!f)
        return;
    canMessage m;
    m.id = f->can_id;
    const unsigned char n = f->can_dlc > 8 ? 8 : f->can_dlc;
    std::memcpy(m.data, f->data, n);
    m.len = n;
    current = m;
    pushReceived(m);
}

canMessage SocketCanSubject::getCanMessage()
{
    return current;
}

void SocketCanSubject::sendCanMessage(canMessage& m)
{
    txQueue.append(m);
}

void SocketCanSubject::txMsg()
{
    if (txQueue.isEmpty())
        return;
    canMessage m = txQueue.takeFirst();
    if (soc < 0)
        return;
    struct can_frame frame;
    std::memset(&frame, 0, sizeof frame);
    frame.can_id = m.id;
    frame.can_dlc = m.len;
    std::memcpy(frame.data, m.data, m.len > 8 ? 8 : m.len);
    const ssize_t written = ::write(soc, &frame, sizeof frame);
    (void)written;
}
