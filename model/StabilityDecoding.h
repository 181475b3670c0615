#pragma once

#include <QString>

// Small conversions shared by the stability subjects and their observers.
namespace StabilityDecoding {

// Bits 0-15 / 16-31 of a controller value as a signed 16-bit number.
int lowHalfSigned(unsigned int value);
int highHalfSigned(unsigned int value);
// The same halves scaled from hundredths of a degree.
float lowHalfHundredths(unsigned int value);
float highHalfHundredths(unsigned int value);

// The 32 bits reinterpreted as an IEEE-754 single-precision float.
float bitsToFloat(unsigned int value);
// Truncates a controller float to an unsigned whole number; NaN and negative
// values give 0 and huge ones saturate, so a bad frame cannot cause undefined
// conversions.
unsigned int truncateToUnsigned(float value);

// Unsigned angle text: 2 decimals below 10, else 1, followed by a degree sign.
QString degreeText(float degrees);

} // namespace StabilityDecoding
