#pragma once

#include <cstddef>

// A message from the remote-control processor. The application reads the
// fields directly, so the layout is fixed: sub-kind at byte 0, length at
// byte 1, kind at byte 4, data pointer at byte 8.
struct PcuMessage {
    enum Kind : unsigned int { SystemMessage = 0, CanFrame = 1 };

    unsigned char subKind = 0; // system message id (5, 6, 7), 0 for CAN frames
    unsigned char length = 0;  // number of bytes behind data
    unsigned char reserved[2] = {0, 0};
    unsigned int kind = SystemMessage;
    unsigned char* data = nullptr;

    // System message 5: one byte per lever.
    unsigned char getAnalogValue(unsigned char n) const;
    // System message 6: inputs as a little-endian bit field.
    bool isDigitalActivated(unsigned char n) const;
    // System message 7: cable, signal, battery in bytes 0, 1, 2.
    unsigned char getRadioCable() const;
    unsigned char getSignal() const;
    unsigned char getBattery() const;

private:
    unsigned char byteAt(unsigned int i) const { return (data && i < length) ? data[i] : 0; }
};

static_assert(offsetof(PcuMessage, subKind) == 0, "sub-kind at byte 0");
static_assert(offsetof(PcuMessage, length) == 1, "length at byte 1");
static_assert(offsetof(PcuMessage, kind) == 4, "kind at byte 4");
static_assert(offsetof(PcuMessage, data) == 8, "data pointer at byte 8");
