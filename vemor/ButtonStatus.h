#pragma once

// Soft-button state as reported by the remote-control processor; the low
// byte carries one bit per soft button (bit 7 - i is button i).
using ButtonStatus = unsigned int;
