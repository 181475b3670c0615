#pragma once

#include <cstdint>

// One CAN frame, copied by value.
struct canMessage {
    uint32_t id = 0;
    uint8_t data[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    uint8_t len = 0;
};
