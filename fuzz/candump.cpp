// Random candump logs into the simulator's replay reader, then the whole
// replay delivered at once.
#include "FuzzEnvironment.h"
#include "FuzzInput.h"

#include "CandumpReplayBackend.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzEnvironment::init(false);
    FuzzInput in(data, size);
    CandumpReplayBackend replay;
    int delivered = 0;
    replay.setFrameSink([&delivered](const unsigned char* frame, unsigned char len) {
        if (len > 8)
            __builtin_trap();
        volatile unsigned char sink = 0;
        for (unsigned char i = 0; i < len; ++i)
            sink = sink ^ frame[i];
        (void)sink;
        ++delivered;
    });
    if (replay.parse(in.rest())) {
        qint64 last = 0;
        for (const CandumpReplayBackend::Frame& f : replay.frames()) {
            if (f.atUs < last || f.data.size() > 8)
                __builtin_trap(); // frames are replayed in time order, classic CAN only
            last = f.atUs;
        }
        replay.advanceTo(last / 1000 + 1);
        if (delivered != replay.frames().size())
            __builtin_trap();
    }
    return 0;
}
