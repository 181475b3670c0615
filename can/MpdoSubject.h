#pragma once

#include "can/CanObserver.h"
#include "core/Subject.h"

#include <QElapsedTimer>
#include <QVector>

class CanSubject;
class QTimer;

// The display's copy of the controller's 20-entry MPDO subscription table.
// Fed by the CAN subject (every received frame arrives in newCanMessage());
// it writes the table into the controller, keeps it alive, stores the latest
// value of each entry and wakes the MpdoObservers subscribed to it.
class MpdoSubject : public CanObserver, public Subject {
public:
    // Objects alive; the application creates exactly one.
    static int instanceCount() { return instances; }

    static constexpr int NumberOfEntries = 20;
    static constexpr unsigned int MpdoRxId = 0x465;
    static constexpr unsigned int SdoTxId = 0x605;
    static constexpr int FirstSyncMs = 500;
    static constexpr int SyncCheckMs = 30000;
    static constexpr int WatchdogMs = 3000;
    static constexpr int ReconnectMs = 5000;

    struct mpdoEntry_t {
        unsigned int index = 0; // 0 marks a free slot
        unsigned char subIndex = 0;
        unsigned int value = 0;
        bool stale = false; // no frame since the last sync check
        bool valid = false; // a value arrived since the slot was filled
        QVector<Observer*>* observers = nullptr;
    };

    explicit MpdoSubject(CanSubject* can);
    ~MpdoSubject() override;
    MpdoSubject(const MpdoSubject&) = delete;
    MpdoSubject& operator=(const MpdoSubject&) = delete;

    void newCanMessage(const canMessage* m) override;

    void setMpdoEntry(Observer* o, unsigned int index, unsigned char subIndex);
    void clearMpdoEntry(Observer* o, unsigned int index, unsigned char subIndex);
    mpdoEntry_t* getMpdoEntry(unsigned int index, unsigned char subIndex);
    bool getMpdoValue(unsigned int index, unsigned char subIndex, unsigned int& value);
    // The same, trying the slot in hint first and leaving the entry's slot
    // there (-1 if none): a caller asking for the same entries on every frame
    // skips the search of the table.
    bool getMpdoValue(unsigned int index, unsigned char subIndex, unsigned int& value, int& hint) const;

    void syncMpdoList();
    void checkSync();
    void reconnect();

    static unsigned int getIndex(const canMessage* m);
    static unsigned char getSubIndex(const canMessage* m);
    static unsigned int getValue(const canMessage* m);

    void sendSetMpdoEntryCmd(unsigned int index, unsigned char subIndex, unsigned char slot);
    void sendClearMpdoEntryCmd(unsigned char slot);
    void sendClearAllMpdoEntryCmd();

    // Slot k (0-19), or null outside the table.
    const mpdoEntry_t* slot(int k) const;
    // Distinct entries subscribed while all 20 slots were taken; the first of
    // them gets the next slot that frees.
    int getNumberOfWaitingEntries() const { return waiting.size(); }
    bool isSynced() const { return synced; }
    const QTimer* firstSyncTimer() const { return firstSync; }
    const QTimer* syncCheckTimer() const { return syncCheck; }
    const QTimer* receiveWatchdog() const { return watchdog; }

private:
    struct waitingEntry_t {
        unsigned int index = 0;
        unsigned char subIndex = 0;
        QVector<Observer*> observers;
    };

    void watchdogExpired();
    int findSlot(unsigned int index, unsigned char subIndex) const;
    int findWaiting(unsigned int index, unsigned char subIndex) const;
    void fillSlot(int k, unsigned int index, unsigned char subIndex, const QVector<Observer*>& obs);

    QVector<mpdoEntry_t> entries;
    QVector<waitingEntry_t> waiting;
    QTimer* firstSync;
    QTimer* syncCheck;
    QTimer* watchdog;
    // When the last frame came: frames only note their time, and the running
    // watchdog is pushed back when it fires early (restarting a timer on
    // every frame was a tenth of the cost of receiving one).
    QElapsedTimer lastFrame;
    bool synced = false;

private:
    static int instances;
};
