#include "RecordingCanBackend.h"

void RecordingCanBackend::transmit(unsigned int id, const unsigned char* data, unsigned char len)
{
    const int n = len > 8 ? 8 : len;
    m_frames.append({id, QByteArray(reinterpret_cast<const char*>(data), data ? n : 0)});
}
