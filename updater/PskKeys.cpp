#include "updater/PskKeys.h"

namespace {
QStringList loadKeys()
{
    QStringList keys;
    keys.reserve(pskKeyCount);
    for (const auto& key : pskKeyData)
        keys.append(QString::fromLatin1(key, pskKeyLength));
    return keys;
}
}

const QStringList pskKeys = loadKeys();

QString pskKeyForCode(unsigned int code)
{
    if (code >= static_cast<unsigned int>(pskKeys.size()))
        return QString();
    return pskKeys.at(static_cast<int>(code));
}
