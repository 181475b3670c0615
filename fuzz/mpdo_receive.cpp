// Random frames into the CAN subject, with the MPDO client's table populated
// by every controller-backed data subject (each has an observer, so each has
// subscribed its entries): frames raw or aimed at subscribed entries, and the
// client's watchdog and sync-check steps at the fuzzer's pace. No widgets, so
// it runs fast; display_receive drives the whole display.
#include "FuzzEnvironment.h"
#include "FuzzInput.h"

#include "app/CenterViewFactory.h"
#include "can/MpdoSubject.h"
#include "can/VemorRcCanSubject.h"
#include "core/Observer.h"
#include "model/BlockedFunctionSubject.h"
#include "model/CbsSubject.h"
#include "model/ClockSubject.h"
#include "model/EptoSubject.h"
#include "model/ErrorSubject.h"
#include "model/EvsAvailableSubject.h"
#include "model/EvsIIISubject.h"
#include "model/EvsSubject.h"
#include "model/FlyjibAvailableSubject.h"
#include "model/FrontStabSubject.h"
#include "model/FunctionStateSubject.h"
#include "model/HdlSubject.h"
#include "model/InclinationSubject.h"
#include "model/InfocenterInfoSubject.h"
#include "model/LoadsAndDerateSubject.h"
#include "model/MooringSubject.h"
#include "model/OilTempAvailableSubject.h"
#include "model/OilTempSubject.h"
#include "model/RclBuzzerSubject.h"
#include "model/RclInfoSubject.h"
#include "model/RclIpCameraSubject.h"
#include "model/RclModeSubject.h"
#include "model/RclMxTimeSubject.h"
#include "model/RclOverrideSubject.h"
#include "model/RegeneraitonAvailableSubject.h"
#include "model/RegenerationModeSubject.h"
#include "model/ServiceSubject.h"
#include "model/StabIndicationSubject.h"
#include "model/UiGenerationSubject.h"
#include "model/UiModeSubject.h"
#include "model/WeightSubject.h"
#include "model/WinchAvailableSubject.h"
#include "model/stabActiveSideSubject.h"
#include "support/TestSandbox.h"

#include <QCoreApplication>
#include <QSettings>

namespace {
VemorRcCanSubject* can = nullptr;

class QuietObserver : public Observer {
public:
    explicit QuietObserver(Subject* s)
        : Observer(s)
        , subject(s)
    {
        subject->attach(this);
    }
    void attach() override { subject->attach(this); }
    void detach() override { subject->detach(this); }
    void update() override { }

private:
    Subject* subject;
};

void compose()
{
    can = new VemorRcCanSubject(nullptr);
    auto* settings = new QSettings(FuzzEnvironment::sandbox().path() + QStringLiteral("/settings.conf"),
                                   QSettings::IniFormat);
    CenterViewFactory::initSubjects(settings, can, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    const QVector<Subject*> subjects = {
        CenterViewFactory::subjectRclInfo, CenterViewFactory::subjectRclError,
        CenterViewFactory::subjectMode, CenterViewFactory::subjectOverride,
        CenterViewFactory::subjectHdl, CenterViewFactory::subjectInfoCenterInfo,
        CenterViewFactory::subjectCbs, CenterViewFactory::subjectMooring,
        CenterViewFactory::subjectFlyjibAvailable, CenterViewFactory::subjectRegenAvailable,
        CenterViewFactory::subjectRegenMode, CenterViewFactory::subjectBlockedFunction,
        CenterViewFactory::subjectEvsAvailable, CenterViewFactory::subjectEvs,
        CenterViewFactory::subjectInclination, CenterViewFactory::subjectOilTempAvailable,
        CenterViewFactory::subjectOilTemp, CenterViewFactory::subjectWinchAvailable,
        CenterViewFactory::subjectLoadAndDerate, CenterViewFactory::subjectHookWeight,
        CenterViewFactory::subjectWinchWeight, CenterViewFactory::subjectActiveStab,
        CenterViewFactory::subjectStabIndication, CenterViewFactory::subjectFunctionState,
        CenterViewFactory::subjectRclBuzzer, CenterViewFactory::subjectUiMode,
        CenterViewFactory::subjectRclMxTimeSubject, CenterViewFactory::subjectUiGeneration,
        CenterViewFactory::subjectServiceSubject, CenterViewFactory::subjectRclMxIpCamera,
        CenterViewFactory::subjectEpto, CenterViewFactory::subjectEvsIII,
        CenterViewFactory::subjectFrontStab, CenterViewFactory::subjectClock,
    };
    for (Subject* s : subjects) {
        if (s)
            new QuietObserver(s);
    }
}

void deliverQueued()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::sendPostedEvents();
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzEnvironment::init(true);
    if (!can)
        compose();
    MpdoSubject* mpdo = CenterViewFactory::mpdoSubject;
    FuzzInput in(data, size);
    while (!in.atEnd()) {
        const uint8_t op = in.byte();
        unsigned char frame[8] = {0, 0, 0, 0, 0, 0, 0, 0};
        switch (op % 4) {
        case 0:
        case 1: { // a frame for one of the subscribed entries
            const MpdoSubject::mpdoEntry_t* entry = mpdo ? mpdo->slot(in.byte() % MpdoSubject::NumberOfEntries) : nullptr;
            const unsigned int index = entry ? entry->index : 0;
            frame[0] = 0x01;
            frame[1] = static_cast<unsigned char>(index & 0xFF);
            frame[2] = static_cast<unsigned char>((index >> 8) & 0xFF);
            frame[3] = entry ? entry->subIndex : 0;
            for (int i = 4; i < 8; ++i)
                frame[i] = in.byte();
            can->setCanMessage(MpdoSubject::MpdoRxId, frame, 8);
            break;
        }
        case 2: { // any identifier, any payload and length
            const unsigned int id = in.u32();
            const unsigned char len = in.byte();
            for (int i = 0; i < 8; ++i)
                frame[i] = in.byte();
            can->setCanMessage(id & 0x1 ? MpdoSubject::MpdoRxId : id, frame, len);
            break;
        }
        default:
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
        // Some frames pile up before delivery, as in a busy event loop.
        if (op & 0x80)
            deliverQueued();
    }
    deliverQueued();
    while (can->pendingTransmitFrames() > 0)
        can->tx();
    return 0;
}
