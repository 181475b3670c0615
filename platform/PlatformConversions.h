#pragma once

// Conversions of the platform's raw readings, shared by the subjects that
// receive them.
namespace PlatformConversions {

// Signal and battery arrive as 0..15; the result is not capped so that an
// out-of-range reading stays visible as such.
int fifteenthsToPercent(unsigned int raw);

// Lever reading 0..255 with 127 as centre, in percent of full deflection.
int leverToPercent(unsigned char raw);

} // namespace PlatformConversions
