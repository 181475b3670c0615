#pragma once

#include <QString>

// Maps the unit's absolute file paths (/home/GUI/..., /tmp/wifi_updater/...)
// below a root folder. On the device the root is empty; the desktop run and
// the tests point it at a sandbox so nothing outside it is touched.
class DevicePaths {
public:
    // Root prefix; empty means the real file system. Trailing slashes are dropped.
    static void setRoot(const QString& root);
    static QString root();
    // Reads NORDEL_DEVICE_ROOT from the environment (used by main and tools).
    static void initFromEnvironment();

    // The path of an absolute device path below the root; relative paths
    // and paths with ".." components are refused (empty result).
    static QString resolve(const QString& devicePath);
    // Creates the parent folders of a resolved path; false if that failed.
    static bool ensureParent(const QString& resolvedPath);
};
