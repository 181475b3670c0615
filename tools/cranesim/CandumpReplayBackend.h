#pragma once

#include "CanBackend.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QVector>

#include <functional>

class QTimer;

// Replays a candump log ("(seconds.micros) IFACE ID#HEXDATA" per line) into
// the display with its original timing, to look at a field recording on the
// desktop. Only the controller's frames (identifier 0x465) are replayed; the
// display's own commands in the log, and what the display sends now, are
// ignored.
class CandumpReplayBackend : public CanBackend {
    Q_OBJECT
public:
    struct Frame {
        qint64 atUs = 0; // since the first replayed frame
        QByteArray data;
    };
    using FrameSink = std::function<void(const unsigned char* data, unsigned char len)>;

    static constexpr unsigned int ReplayedId = 0x465;

    explicit CandumpReplayBackend(QObject* parent = nullptr);

    // Reads the log; false if it cannot be read or holds no frame of the
    // controller. Malformed lines are skipped and counted.
    bool load(const QString& path, QString* error = nullptr);
    bool parse(const QByteArray& log);
    const QVector<Frame>& frames() const { return m_frames; }
    int skippedLines() const { return m_skipped; }
    // Line number of the first malformed line, 0 if none.
    int firstBadLine() const { return m_firstBad; }

    void setFrameSink(FrameSink sink) { m_sink = std::move(sink); }

    // Delivers every frame due up to ms after the start; returns how many.
    int advanceTo(qint64 ms);
    int delivered() const { return m_next; }
    bool isFinished() const { return m_next >= m_frames.size(); }

    void start();

    void transmit(unsigned int id, const unsigned char* data, unsigned char len) override;

    // One log line: false if it is not a classic CAN data frame.
    static bool parseLine(const QByteArray& line, qint64& timeUs, unsigned int& id, QByteArray& data);

signals:
    void finished();

private:
    void tick();

    QVector<Frame> m_frames;
    FrameSink m_sink;
    int m_next = 0;
    int m_skipped = 0;
    int m_firstBad = 0;
    QTimer* m_timer;
    QElapsedTimer m_clock;
};
