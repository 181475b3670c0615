#include "RecordingCanBackend.h"

void RecordingCanBackend::transmit(unsigned int id, const unsigned char* data, unsigned char len)
{
    const int n = len > 8 ? 8 : len;
    if (m_frames.size() >= Capacity)
        m_frames.remove(0, Capacity / 2);
    m_frames.append({id, QByteArray(reinterpret_cast<const char*>(data), data ? n : 0)});
}
