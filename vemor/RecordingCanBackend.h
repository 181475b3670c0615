#pragma once

#include "CanBackend.h"

#include <QByteArray>
#include <QVector>

// Keeps the transmitted frames; the default backend when no bus is attached.
// Only the most recent frames are kept, so a long desktop session does not
// grow without bound.
class RecordingCanBackend : public CanBackend {
    Q_OBJECT
public:
    struct Frame {
        unsigned int id;
        QByteArray data;
    };

    static constexpr int Capacity = 100000;

    using CanBackend::CanBackend;
    void transmit(unsigned int id, const unsigned char* data, unsigned char len) override;

    const QVector<Frame>& frames() const { return m_frames; }
    void clear() { m_frames.clear(); }

private:
    QVector<Frame> m_frames;
};
