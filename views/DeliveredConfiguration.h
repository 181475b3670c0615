#pragma once

#include <QString>

// Takes over a configuration file that service staff dropped into the unit's
// delivery folder: the delivered file replaces the one in use and is then
// kept under an archive name so it is not taken over again. Used at start-up
// by the Wi-Fi link and the camera stream subjects. All paths are device
// paths and go through DevicePaths.
class DeliveredConfiguration {
public:
    // Does nothing when no file was delivered. Returns true when the file in
    // use was replaced. If the copy cannot be made, the file in use and the
    // delivered file are both left as they were, so a later start tries again.
    static bool takeOver(const QString& delivered, const QString& active, const QString& archived);
};
