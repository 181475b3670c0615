// Random platform traffic into the fully composed display (slow: every widget
// follows; mpdo_receive is the fast one for the receive path): CAN frames (raw,
// or aimed at the entries the data subjects subscribed), system messages,
// button words, XON/XOFF, version strings and clock readings, with the
// receive watchdog and sync check driven by the input instead of the clock.
#include "FuzzEnvironment.h"
#include "FuzzInput.h"

#include "app/CenterViewFactory.h"
#include "app/VemorToQt.h"
#include "app/VemorViewMaster.h"
#include "can/MpdoSubject.h"
#include "can/VemorRcCanSubject.h"
#include "rtc_time.h"

#include "PcuMessage.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

namespace {
VemorViewMaster* master = nullptr;
VemorToQt* view = nullptr;

void deliverQueued()
{
    // Each notification may post the next subject's; three rounds reach the widgets.
    for (int i = 0; i < 3; ++i)
        QCoreApplication::sendPostedEvents();
}

void sendPcu(unsigned int kind, unsigned char subKind, const QByteArray& payload)
{
    // The payload lives in its own allocation so a read past its length is caught.
    std::vector<unsigned char> buffer(payload.begin(), payload.end());
    PcuMessage m;
    m.kind = kind;
    m.subKind = subKind;
    m.length = static_cast<unsigned char>(buffer.size());
    m.data = buffer.empty() ? nullptr : buffer.data();
    master->parseNewPcuMessage(&m);
    view->handleNewMessage(&m);
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzEnvironment::init(true);
    if (!master) {
        master = new VemorViewMaster;
        view = new VemorToQt(master, nullptr);
    }
    MpdoSubject* mpdo = CenterViewFactory::mpdoSubject;
    FuzzInput in(data, size);
    while (!in.atEnd()) {
        const uint8_t op = in.byte();
        switch (op % 10) {
        case 0:
        case 1:
        case 2: { // a frame for one of the subscribed entries
            const MpdoSubject::mpdoEntry_t* entry = mpdo ? mpdo->slot(in.byte() % MpdoSubject::NumberOfEntries) : nullptr;
            const unsigned int index = entry ? entry->index : 0;
            QByteArray frame(8, 0);
            frame[0] = 0x01;
            frame[1] = static_cast<char>(index & 0xFF);
            frame[2] = static_cast<char>((index >> 8) & 0xFF);
            frame[3] = static_cast<char>(entry ? entry->subIndex : 0);
            const QByteArray value = in.bytes(4);
            for (int i = 0; i < value.size(); ++i)
                frame[4 + i] = value.at(i);
            sendPcu(PcuMessage::CanFrame, 0, frame);
            break;
        }
        case 3: // any CAN payload, of any length the platform could report
            sendPcu(PcuMessage::CanFrame, in.byte() & 0x1, in.bytes(in.byte() % 12));
            break;
        case 4: // system messages: levers, inputs, radio and battery, unknown ids
            sendPcu(PcuMessage::SystemMessage, in.byte() % 9, in.bytes(in.byte() % 12));
            break;
        case 5:
            view->handleNewButtonStatus(in.u32());
            break;
        case 6:
            view->handleXonXoff(in.byte());
            break;
        case 7: {
            rtc_time t {};
            t.tm_sec = static_cast<int>(in.u32());
            t.tm_min = static_cast<int>(in.u32());
            t.tm_hour = static_cast<int>(in.u32());
            t.tm_mday = static_cast<int>(in.u32());
            t.tm_mon = static_cast<int>(in.u32());
            t.tm_year = static_cast<int>(in.u32());
            master->handleRtcData(&t);
            break;
        }
        case 8: { // version answers of the platform
            const QString text = QString::fromLatin1(in.bytes(in.byte() % 40));
            switch (in.byte() % 3) {
            case 0:
                view->cpuInfo(text, text);
                break;
            case 1:
                view->osVer(text);
                break;
            default:
                view->bootVer(text);
                break;
            }
            break;
        }
        default: // what the timers would do, at the fuzzer's pace
            if (mpdo) {
                switch (in.byte() % 3) {
                case 0:
                    mpdo->checkSync();
                    break;
                case 1:
                    mpdo->reconnect();
                    break;
                default:
                    mpdo->syncMpdoList();
                    break;
                }
            }
            break;
        }
        deliverQueued();
    }
    // Each input starts from a flowing bus with an empty transmit queue;
    // otherwise a held XOFF would let the queue grow over the whole run.
    if (VemorRcCanSubject* can = VemorToQt::canSubject()) {
        if (can->isPaused())
            can->setXonXoff(true);
        while (can->pendingTransmitFrames() > 0)
            can->tx();
    }
    return 0;
}
