#pragma once

#include <QString>

// Prepares the unit for a software update over Wi-Fi. fieldloader's main
// calls startWifiUpdate() once with the code from the command line; the
// access-point script it starts does the rest and outlives the program.
// Device paths (/tmp/wifi_updater/, /home/...) go through DevicePaths, whose
// root is handed to the scripts as NORDEL_DEVICE_ROOT.

// Highest code the key table has a key for.
constexpr unsigned int maxWifiUpdateCode = 9999;

// The code as shown and used: at least four digits, leading zeros.
QString codeText(unsigned int code);
// Network name of the access point for a code ("Lumora 0042").
QString ssidForCode(unsigned int code);

// A code from 0 to 9998 drawn from a generator seeded with seed.
unsigned int randomCodeFromSeed(unsigned int seed);
// A code from 0 to 9998, seeded with the local time of day in milliseconds.
unsigned int randomCode();

// Renders the code onto the ready screen in the work directory (always
// rewritten) and copies the other screens, the DHCP configuration and the
// scripts there without replacing files already present. False if the code
// has no key or any file could not be written.
bool copyWifiUpdaterFilesToTmp(unsigned int code);

// Creates the work directory, copies the files and starts "sh startWifi.sh
// SSID KEY" detached. Does nothing and returns false for a code without a
// key; otherwise returns whether the script could be started.
bool startWifiUpdate(unsigned int code);
