#pragma once

#include <QString>
#include <QStringList>

// The WPA2 pre-shared keys of the update access point, one per code (index =
// code, 0 to 9999), each 64 lower-case hexadecimal digits. The PC-side update
// tool holds the same table, which is how it finds the key for the code the
// operator reads off the screen. The data is generated at build time from the
// provisioning file (or the development table) and checked there.
constexpr int pskKeyCount = 10000;
constexpr int pskKeyLength = 64;

extern const char pskKeyData[pskKeyCount][pskKeyLength + 1];

// Filled once at program start from pskKeyData.
extern const QStringList pskKeys;

// The key of a code; empty for a code outside the table, so a bad code can
// never read past it.
QString pskKeyForCode(unsigned int code);
