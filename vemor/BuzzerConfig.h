#pragma once

// Five-byte buzzer pattern passed to the remote-control processor.
struct BuzzerConfig {
    unsigned char bytes[5];
};
static_assert(sizeof(BuzzerConfig) == 5, "BuzzerConfig is five bytes on the wire");
