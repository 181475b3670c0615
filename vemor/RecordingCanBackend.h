#pragma once

#include "CanBackend.h"

#include <QByteArray>
#include <QVector>

// Keeps every transmitted frame; the default backend when no bus is attached.
class RecordingCanBackend : public CanBackend {
    Q_OBJECT
public:
    struct Frame {
        unsigned int id;
        QByteArray data;
    };

    using CanBackend::CanBackend;
    void transmit(unsigned int id, const unsigned char* data, unsigned char len) override;

    const QVector<Frame>& frames() const { return m_frames; }
    void clear() { m_frames.clear(); }

private:
    QVector<Frame> m_frames;
};
