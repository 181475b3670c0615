#include "CandumpLogger.h"

#include <QDateTime>

CandumpLogger::CandumpLogger(const QString& path, const QString& interface)
    : m_file(path)
    , m_interface(interface)
{
    m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
}

void CandumpLogger::write(unsigned int id, const unsigned char* data, unsigned char len)
{
    if (!m_file.isOpen())
        return;
    const qint64 micros = QDateTime::currentMSecsSinceEpoch() * 1000;
    m_file.write(formatLine(micros, m_interface, id, data, len));
    m_file.flush();
}

QByteArray CandumpLogger::formatLine(qint64 micros, const QString& interface, unsigned int id,
                                     const unsigned char* data, unsigned char len)
{
    const int n = len > 8 ? 8 : len;
    QByteArray line;
    line.reserve(64);
    line += '(';
    line += QByteArray::number(micros / 1000000);
    line += '.';
    line += QByteArray::number(micros % 1000000).rightJustified(6, '0');
    line += ") ";
    line += interface.toLatin1();
    line += ' ';
    // Standard identifiers print as three digits, extended ones as eight.
    line += id > 0x7FF ? QByteArray::number(id & 0x1FFFFFFF, 16).toUpper().rightJustified(8, '0')
                       : QByteArray::number(id, 16).toUpper().rightJustified(3, '0');
    line += '#';
    if (data)
        line += QByteArray(reinterpret_cast<const char*>(data), n).toHex().toUpper();
    line += '\n';
    return line;
}
