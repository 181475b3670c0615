// Random scenario texts into the simulator's scenario parser.
#include "FuzzEnvironment.h"
#include "FuzzInput.h"

#include "Scenario.h"

#include <QString>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzEnvironment::init(false);
    FuzzInput in(data, size);
    Scenario scenario;
    QString error;
    const bool ok = scenario.parse(QString::fromUtf8(in.rest()), &error);
    if (ok && !error.isEmpty())
        __builtin_trap();
    volatile qint64 sink = scenario.lengthMs() + scenario.events().size();
    for (const Scenario::Event& e : scenario.events()) {
        if (e.atMs < 0 || e.durationMs < 0)
            __builtin_trap();
        sink = sink + e.name.size();
    }
    (void)sink;
    return 0;
}
