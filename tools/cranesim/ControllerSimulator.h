#pragma once

#include <QObject>
#include <QVector>

#include <functional>

class CraneModel;
class QTimer;

// The crane's load-limiting controller as the display sees it on CAN: it
// keeps the 20-position MPDO subscription table, obeys the display's
// set-entry, clear-entry and clear-all commands, and sends every subscribed
// entry it knows once per cycle as an MPDO frame (values from the CraneModel).
// While the model says the controller is silent it sends and hears nothing,
// and its table is lost, as after a power cycle.
class ControllerSimulator : public QObject {
    Q_OBJECT
public:
    static constexpr int TableSize = 20;
    // The display's commands reach the platform with its 0x1000 offset.
    static constexpr unsigned int CommandId = 0x1605;
    static constexpr unsigned int MpdoId = 0x465;
    static constexpr int DefaultCycleMs = 100;

    struct Entry {
        unsigned int index = 0; // 0: position free
        unsigned char subIndex = 0;
    };
    using FrameSink = std::function<void(const unsigned char* data, unsigned char len)>;

    explicit ControllerSimulator(CraneModel* model, QObject* parent = nullptr);

    // Where MPDO frames go (8 data bytes each); the desktop program hands
    // them to the platform.
    void setFrameSink(FrameSink sink) { m_sink = std::move(sink); }

    void setCyclePeriod(int ms);
    int cyclePeriod() const { return m_cycleMs; }
    void start();
    void stop();
    bool isRunning() const;

    // A frame the display transmitted; anything but a table command is ignored.
    void receiveCommand(unsigned int id, const unsigned char* data, unsigned char len);

    // Table position 1 to 20; a free entry outside.
    Entry entry(int position) const;
    int usedEntries() const;
    unsigned long long framesSent() const { return m_framesSent; }
    unsigned long long commandsObeyed() const { return m_commandsObeyed; }

    // One MPDO frame for an entry and value.
    static void encodeFrame(unsigned int index, unsigned char subIndex, unsigned int value, unsigned char out[8]);

signals:
    void tableChanged();

public slots:
    // Sends one frame per subscribed, known entry, in table order.
    void cycle();

private:
    bool silent() const;
    void clearTable();

    CraneModel* m_model;
    FrameSink m_sink;
    QVector<Entry> m_table;
    QTimer* m_timer;
    int m_cycleMs = DefaultCycleMs;
    unsigned long long m_framesSent = 0;
    unsigned long long m_commandsObeyed = 0;
    bool m_wasSilent = false;
};
