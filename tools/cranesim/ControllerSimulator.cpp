#include "ControllerSimulator.h"

#include "CraneModel.h"

#include <QTimer>

namespace {
// The subscription table is object 0x48E3 (position = sub-index); writing 1
// to 0x48F2 clears all of it.
constexpr unsigned char WriteFourBytes = 0x23;
constexpr unsigned char WriteOneByte = 0x2F;
constexpr unsigned int TableObject = 0x48E3;
constexpr unsigned int ClearAllObject = 0x48F2;
}

ControllerSimulator::ControllerSimulator(CraneModel* model, QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_table(TableSize)
    , m_timer(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &ControllerSimulator::cycle);
}

void ControllerSimulator::setCyclePeriod(int ms)
{
    m_cycleMs = ms < 1 ? 1 : ms;
    if (m_timer->isActive())
        m_timer->start(m_cycleMs);
}

void ControllerSimulator::start()
{
    m_timer->start(m_cycleMs);
}

void ControllerSimulator::stop()
{
    m_timer->stop();
}

bool ControllerSimulator::isRunning() const
{
    return m_timer->isActive();
}

bool ControllerSimulator::silent() const
{
    return m_model && m_model->get(QStringLiteral("controller.silent")) == 1;
}

void ControllerSimulator::clearTable()
{
    for (Entry& e : m_table)
        e = Entry();
    emit tableChanged();
}

void ControllerSimulator::receiveCommand(unsigned int id, const unsigned char* data, unsigned char len)
{
    if (id != CommandId || !data || len != 8 || silent())
        return;
    const unsigned int object = data[1] | (unsigned(data[2]) << 8);
    if (data[0] == WriteFourBytes && object == TableObject) {
        const int position = data[3];
        if (position < 1 || position > TableSize)
            return;
        Entry& e = m_table[position - 1];
        e.index = data[4] | (unsigned(data[5]) << 8);
        e.subIndex = e.index ? data[6] : 0;
        ++m_commandsObeyed;
        emit tableChanged();
    } else if (data[0] == WriteOneByte && object == ClearAllObject && data[3] == 0 && data[4] == 1) {
        ++m_commandsObeyed;
        clearTable();
    }
}

ControllerSimulator::Entry ControllerSimulator::entry(int position) const
{
    if (position < 1 || position > TableSize)
        return Entry();
    return m_table.at(position - 1);
}

int ControllerSimulator::usedEntries() const
{
    int n = 0;
    for (const Entry& e : m_table)
        n += e.index ? 1 : 0;
    return n;
}

void ControllerSimulator::encodeFrame(unsigned int index, unsigned char subIndex, unsigned int value, unsigned char out[8])
{
    out[0] = 0x01;
    out[1] = static_cast<unsigned char>(index & 0xFF);
    out[2] = static_cast<unsigned char>((index >> 8) & 0xFF);
    out[3] = subIndex;
    for (int i = 0; i < 4; ++i)
        out[4 + i] = static_cast<unsigned char>((value >> (8 * i)) & 0xFF);
}

void ControllerSimulator::cycle()
{
    if (silent()) {
        if (!m_wasSilent)
            clearTable();
        m_wasSilent = true;
        return;
    }
    m_wasSilent = false;
    if (!m_model || !m_sink)
        return;
    // A copy: the sink may feed the display, whose answers change the table.
    const QVector<Entry> table = m_table;
    for (const Entry& e : table) {
        unsigned int value = 0;
        if (!e.index || !m_model->entryValue(e.index, e.subIndex, value))
            continue;
        unsigned char frame[8];
        encodeFrame(e.index, e.subIndex, value, frame);
        ++m_framesSent;
        m_sink(frame, 8);
    }
}
