// Runs the product's SocketCanSubject on can0 for a while, for the virtual
// unit's CAN check:
//   socketcanprobe MS [send]
// prints the subject's open sequence, then "rx ID DLC DATA" for every frame
// the subject delivers, and with "send" queues one subscription command
// through a CanObserver (which adds the platform offset). A second raw socket
// on can0 prints "bus ID DLC DATA" with the identifier exactly as the kernel
// carries it. Quits after MS milliseconds.
#include "can/CanObserver.h"
#include "can/SocketCanSubject.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <linux/can.h>
#include <net/if.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

QElapsedTimer sinceStart;

void print(const char* what, unsigned int id, unsigned char len, const unsigned char* data)
{
    std::printf("%s %X %u ", what, id, static_cast<unsigned int>(len));
    for (unsigned char i = 0; i < len && i < 8; ++i)
        std::printf("%02X", static_cast<unsigned int>(data[i]));
    std::printf(" at %lld ms\n", static_cast<long long>(sinceStart.elapsed()));
    std::fflush(stdout);
}

class Printer : public CanObserver {
public:
    using CanObserver::CanObserver;
    void newCanMessage(const canMessage* m) override { print("rx", m->id, m->len, m->data); }
};

int witness()
{
    const int fd = ::socket(PF_CAN, SOCK_RAW, CAN_RAW);
    if (fd < 0)
        return -1;
    ifreq ifr {};
    std::strcpy(ifr.ifr_name, "can0");
    sockaddr_can addr {};
    addr.can_family = AF_CAN;
    if (::ioctl(fd, SIOCGIFINDEX, &ifr) == 0) {
        addr.can_ifindex = ifr.ifr_ifindex;
        if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0)
            return fd;
    }
    ::close(fd);
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    sinceStart.start();
    const int ms = argc > 1 ? std::atoi(argv[1]) : 3000;
    const bool send = argc > 2 && std::strcmp(argv[2], "send") == 0;

    const int bus = witness();
    if (bus >= 0) {
        auto* n = new QSocketNotifier(bus, QSocketNotifier::Read, &app);
        QObject::connect(n, &QSocketNotifier::activated, [bus] {
            can_frame f {};
            if (::read(bus, &f, sizeof f) == static_cast<ssize_t>(sizeof f))
                print("bus", f.can_id, f.can_dlc, f.data);
        });
    }
    SocketCanSubject subject;
    Printer printer(&subject);
    if (send) {
        canMessage m {};
        m.id = 0x605;
        const unsigned char cmd[8] = {0x23, 0xE3, 0x48, 0x01, 0xE6, 0x48, 0x00, 0x00};
        std::memcpy(m.data, cmd, sizeof cmd);
        m.len = 8;
        printer.sendCanMessage(m);
        std::printf("queued %X at %lld ms\n", m.id, static_cast<long long>(sinceStart.elapsed()));
        std::fflush(stdout);
    }
    QTimer::singleShot(ms, &app, &QCoreApplication::quit);
    return app.exec();
}
