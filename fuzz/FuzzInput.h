#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>

// Reads a fuzzer's byte string as a sequence of small fields; reads past the
// end give zeros so every input, however short, is a valid program.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    bool atEnd() const { return m_pos >= m_size; }
    size_t remaining() const { return m_pos < m_size ? m_size - m_pos : 0; }

    uint8_t byte()
    {
        return m_pos < m_size ? m_data[m_pos++] : 0;
    }

    uint32_t u32()
    {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= static_cast<uint32_t>(byte()) << (8 * i);
        return v;
    }

    // Up to n bytes (fewer at the end of the input).
    QByteArray bytes(size_t n)
    {
        const size_t take = n < remaining() ? n : remaining();
        QByteArray out(reinterpret_cast<const char*>(m_data + m_pos), static_cast<int>(take));
        m_pos += take;
        return out;
    }

    QByteArray rest() { return bytes(remaining()); }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};
