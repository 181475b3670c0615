#include "CandumpReplayBackend.h"

#include "VemorPlatform.h"

#include <QFile>
#include <QTimer>

namespace {
constexpr int TickMs = 5;
// Field recordings of a day fit easily; anything larger is not a log of ours.
constexpr qint64 LargestLog = 512LL * 1024 * 1024;

bool isHex(const QByteArray& s)
{
    for (char c : s) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')))
            return false;
    }
    return true;
}
}

CandumpReplayBackend::CandumpReplayBackend(QObject* parent)
    : CanBackend(parent)
    , m_sink([](const unsigned char* data, unsigned char len) { VemorPlatform::instance()->receiveCanFrame(data, len); })
    , m_timer(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &CandumpReplayBackend::tick);
}

bool CandumpReplayBackend::parseLine(const QByteArray& line, qint64& timeUs, unsigned int& id, QByteArray& data)
{
    const QList<QByteArray> w = line.simplified().split(' ');
    if (w.size() != 3)
        return false;
    const QByteArray& stamp = w.at(0);
    if (stamp.size() < 3 || !stamp.startsWith('(') || !stamp.endsWith(')'))
        return false;
    const QList<QByteArray> parts = stamp.mid(1, stamp.size() - 2).split('.');
    if (parts.size() != 2 || parts.at(0).isEmpty() || parts.at(1).size() != 6)
        return false;
    bool ok1 = false, ok2 = false;
    const qint64 seconds = parts.at(0).toLongLong(&ok1);
    const qint64 micros = parts.at(1).toLongLong(&ok2);
    if (!ok1 || !ok2 || seconds < 0 || micros < 0 || seconds > 100000000000LL)
        return false;
    const QByteArray& frame = w.at(2);
    const int hash = frame.indexOf('#');
    if (hash <= 0)
        return false;
    const QByteArray idText = frame.left(hash);
    const QByteArray hex = frame.mid(hash + 1);
    // Standard (3 digits) or extended (8 digits) identifiers; remote and
    // CAN FD frames ("R", "##") are not data for the display.
    if ((idText.size() != 3 && idText.size() != 8) || !isHex(idText) || !isHex(hex) || hex.size() % 2 || hex.size() > 16)
        return false;
    bool okId = false;
    id = idText.toUInt(&okId, 16);
    if (!okId)
        return false;
    timeUs = seconds * 1000000 + micros;
    data = QByteArray::fromHex(hex);
    return true;
}

bool CandumpReplayBackend::parse(const QByteArray& log)
{
    m_frames.clear();
    m_next = 0;
    m_skipped = 0;
    m_firstBad = 0;
    qint64 first = -1;
    qint64 last = 0;
    const QList<QByteArray> lines = log.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        if (line.isEmpty())
            continue;
        qint64 t = 0;
        unsigned int id = 0;
        QByteArray data;
        if (!parseLine(line, t, id, data)) {
            ++m_skipped;
            if (!m_firstBad)
                m_firstBad = i + 1;
            continue;
        }
        if (id != ReplayedId)
            continue;
        if (first < 0)
            first = t;
        // A clock step backwards in the log must not reorder frames.
        const qint64 at = t - first < last ? last : t - first;
        last = at;
        m_frames.append({at, data});
    }
    return !m_frames.isEmpty();
}

bool CandumpReplayBackend::load(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > LargestLog) {
        if (error)
            *error = QStringLiteral("%1: cannot read").arg(path);
        return false;
    }
    if (!parse(file.readAll())) {
        if (error)
            *error = QStringLiteral("%1: no frame of identifier 465 in the log").arg(path);
        return false;
    }
    return true;
}

int CandumpReplayBackend::advanceTo(qint64 ms)
{
    int n = 0;
    while (m_next < m_frames.size() && m_frames.at(m_next).atUs <= ms * 1000) {
        const QByteArray& d = m_frames.at(m_next).data;
        ++m_next;
        ++n;
        if (m_sink)
            m_sink(reinterpret_cast<const unsigned char*>(d.constData()), static_cast<unsigned char>(d.size()));
    }
    if (n && isFinished()) {
        m_timer->stop();
        emit finished();
    }
    return n;
}

void CandumpReplayBackend::start()
{
    m_clock.start();
    m_timer->start(TickMs);
}

void CandumpReplayBackend::tick()
{
    advanceTo(m_clock.elapsed());
}

void CandumpReplayBackend::transmit(unsigned int, const unsigned char*, unsigned char)
{
}
