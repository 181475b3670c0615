// Random camera configuration files, delivered or already in use, into the
// stream subject's take-over and argument-line loader.
#include "FuzzEnvironment.h"
#include "FuzzInput.h"

#include "views/GstVideoStreamSubject.h"

#include <QString>

namespace {
// Opens the loader to the fuzzer; the stream itself is never started.
class CameraConfigProbe : public GstVideoStreamSubject {
public:
    CameraConfigProbe()
        : GstVideoStreamSubject(nullptr, nullptr)
    {
    }
    using GstVideoStreamSubject::checkForNewIPCamConfigurationFile;
    using GstVideoStreamSubject::loadParamsFromFile;
};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzEnvironment::init(false);
    static CameraConfigProbe* probe = new CameraConfigProbe;
    FuzzInput in(data, size);
    const uint8_t flags = in.byte();
    const QString delivered = QStringLiteral("/home/GUI/conf/ip_cam.conf");
    const QString active = QStringLiteral("/home/ip_cam.conf");
    FuzzEnvironment::removeDeviceFile(delivered);
    FuzzEnvironment::removeDeviceFile(active);
    FuzzEnvironment::writeDeviceFile(flags & 0x1 ? delivered : active, in.rest());

    probe->checkForNewIPCamConfigurationFile();
    const bool loaded = probe->loadParamsFromFile();
    const QStringList params = probe->getparams();
    if (loaded && params.isEmpty())
        __builtin_trap(); // splitting never yields an empty list
    return 0;
}
