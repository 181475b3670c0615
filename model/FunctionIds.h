#pragma once

// Crane movements as the HDL view draws them: joints 1 to 4 on the crane,
// 5 and 6 on the flyjib (4 and 6 telescopic), the winch and four extras.
enum functionID_t {
    FUNCTION_JOINT1_UP = 0,
    FUNCTION_JOINT1_DOWN = 1,
    FUNCTION_JOINT2_UP = 2,
    FUNCTION_JOINT2_DOWN = 3,
    FUNCTION_JOINT3_UP = 4,
    FUNCTION_JOINT3_DOWN = 5,
    FUNCTION_JOINT4_EXPAND = 6,
    FUNCTION_JOINT4_COMPRESS = 7,
    FUNCTION_JOINT5_UP = 8,
    FUNCTION_JOINT5_DOWN = 9,
    FUNCTION_JOINT6_EXPAND = 10,
    FUNCTION_JOINT6_COMPRESS = 11,
    FUNCTION_WINCH_1 = 12,
    FUNCTION_WINCH_2 = 13,
    FUNCTION_EXTRA_1 = 14,
    FUNCTION_EXTRA_2 = 15,
    FUNCTION_EXTRA_3 = 16,
    FUNCTION_EXTRA_4 = 17,
};

constexpr int NumberOfFunctions = 18;

// How far the controller currently allows a movement, by rising severity.
enum functionState_t {
    FUNCTION_STATE_OK = 0,
    FUNCTION_STATE_DERATED = 1,
    FUNCTION_STATE_HDL = 2,
    FUNCTION_STATE_BLOCKED = 3,
};

inline bool isValidFunction(int id)
{
    return id >= 0 && id < NumberOfFunctions;
}
