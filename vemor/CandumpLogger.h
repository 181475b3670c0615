#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QString>

// Writes CAN frames in candump's log format: "(seconds.micros) can0 ID#HEXDATA".
class CandumpLogger {
public:
    explicit CandumpLogger(const QString& path, const QString& interface = QStringLiteral("can0"));
    bool isOpen() const { return m_file.isOpen(); }
    void write(unsigned int id, const unsigned char* data, unsigned char len);

    // One log line for the given time stamp (microseconds since the epoch).
    static QByteArray formatLine(qint64 micros, const QString& interface, unsigned int id,
                                 const unsigned char* data, unsigned char len);

private:
    QFile m_file;
    QString m_interface;
};
