#include "model/StabilityDecoding.h"

#include <QChar>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace StabilityDecoding {

int lowHalfSigned(unsigned int value)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xFFFFu));
}

int highHalfSigned(unsigned int value)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>((value >> 16) & 0xFFFFu));
}

float lowHalfHundredths(unsigned int value)
{
    return static_cast<float>(lowHalfSigned(value) * 0.01);
}

float highHalfHundredths(unsigned int value)
{
    return static_cast<float>(highHalfSigned(value) * 0.01);
}

float bitsToFloat(unsigned int value)
{
    static_assert(sizeof(float) == sizeof(std::uint32_t), "float must be 32 bits");
    const std::uint32_t bits = value;
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

unsigned int truncateToUnsigned(float value)
{
    if (std::isnan(value) || value <= 0.0f)
        return 0;
    // 4294967296.0f is the first float that no longer fits.
    if (value >= 4294967296.0f)
        return std::numeric_limits<unsigned int>::max();
    return static_cast<unsigned int>(value);
}

QString degreeText(float degrees)
{
    const double a = std::fabs(static_cast<double>(degrees));
    return QString::number(a, 'f', a < 10.0 ? 2 : 1) + QChar(0x00B0);
}

} // namespace StabilityDecoding
