#include "PlatformConversions.h"

namespace PlatformConversions {

int fifteenthsToPercent(unsigned int raw)
{
    // Mixed precision on purpose: the displayed steps (6, 13, 20 ...) depend
    // on the float round trip.
    const float r = static_cast<float>(raw);
    const float percent = static_cast<float>(static_cast<double>(r) / 15.0 * 100.0);
    return static_cast<int>(percent);
}

int leverToPercent(unsigned char raw)
{
    return static_cast<int>((static_cast<int>(raw) - 127) / 127.0 * 100.0);
}

} // namespace PlatformConversions
