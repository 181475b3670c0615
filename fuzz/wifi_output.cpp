// Random answers of the wireless tools into the Wi-Fi link's parsers.
#include "FuzzEnvironment.h"
#include "FuzzInput.h"

#include "views/vemorRcWifiSubject.h"

#include <QString>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzEnvironment::init(false);
    FuzzInput in(data, size);
    // The subject decodes the tools' output as local 8-bit text.
    const QString output = QString::fromLocal8Bit(in.rest());

    const int quality = vemorRcWifiSubject::signalQualityFromIwconfig(output);
    if (quality < 0 || quality > 100)
        __builtin_trap();
    QString ssid = QStringLiteral("kept");
    if (!vemorRcWifiSubject::ssidFromIwconfig(output, ssid) && ssid != QStringLiteral("kept"))
        __builtin_trap();
    if (ssid.isEmpty() || ssid.contains(QLatin1Char('"')))
        __builtin_trap();
    const QString ip = vemorRcWifiSubject::ipFromIfconfig(output);
    if (!ip.isEmpty() && ip.size() < 7)
        __builtin_trap();
    return 0;
}
