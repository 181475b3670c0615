#include "MpdoSubject.h"

#include "can/CanSubject.h"

#include <QTimer>

int MpdoSubject::instances = 0;

MpdoSubject::MpdoSubject(CanSubject* can)
    : CanObserver(can)
    , Subject(nullptr)
    , entries(NumberOfEntries)
    , firstSync(new QTimer(this))
    , syncCheck(new QTimer(this))
    , watchdog(new QTimer(this))
{
    ++instances;
    for (mpdoEntry_t& e : entries)
        e.observers = new QVector<Observer*>();

    connect(syncCheck, &QTimer::timeout, this, &MpdoSubject::checkSync);
    connect(watchdog, &QTimer::timeout, this, &MpdoSubject::watchdogExpired);

    firstSync->setSingleShot(true);
    connect(firstSync, &QTimer::timeout, this, &MpdoSubject::syncMpdoList);
    firstSync->start(FirstSyncMs);

    syncCheck->start(SyncCheckMs);
    watchdog->start(WatchdogMs);
}

MpdoSubject::~MpdoSubject()
{
    --instances;
    for (mpdoEntry_t& e : entries) {
        delete e.observers;
        e.observers = nullptr;
    }
}

unsigned int MpdoSubject::getIndex(const canMessage* m)
{
    return m ? static_cast<unsigned int>(m->data[1]) | (static_cast<unsigned int>(m->data[2]) << 8) : 0;
}

unsigned char MpdoSubject::getSubIndex(const canMessage* m)
{
    return m ? m->data[3] : 0;
}

unsigned int MpdoSubject::getValue(const canMessage* m)
{
    if (!m)
        return 0;
    return static_cast<unsigned int>(m->data[4]) | (static_cast<unsigned int>(m->data[5]) << 8)
        | (static_cast<unsigned int>(m->data[6]) << 16) | (static_cast<unsigned int>(m->data[7]) << 24);
}

int MpdoSubject::findSlot(unsigned int index, unsigned char subIndex) const
{
    // Index 0 marks a free slot and is never a real entry.
    if (index == 0)
        return -1;
    for (int k = 0; k < entries.size(); ++k) {
        if (entries[k].index == index && entries[k].subIndex == subIndex)
            return k;
    }
    return -1;
}

int MpdoSubject::findWaiting(unsigned int index, unsigned char subIndex) const
{
    for (int i = 0; i < waiting.size(); ++i) {
        if (waiting[i].index == index && waiting[i].subIndex == subIndex)
            return i;
    }
    return -1;
}

const MpdoSubject::mpdoEntry_t* MpdoSubject::slot(int k) const
{
    if (k < 0 || k >= entries.size())
        return nullptr;
    return &entries[k];
}

MpdoSubject::mpdoEntry_t* MpdoSubject::getMpdoEntry(unsigned int index, unsigned char subIndex)
{
    const int k = findSlot(index, subIndex);
    return k < 0 ? nullptr : &entries[k];
}

bool MpdoSubject::getMpdoValue(unsigned int index, unsigned char subIndex, unsigned int& value)
{
    const int k = findSlot(index, subIndex);
    if (k < 0 || !entries[k].valid)
        return false;
    value = entries[k].value;
    return true;
}

bool MpdoSubject::getMpdoValue(unsigned int index, unsigned char subIndex, unsigned int& value, int& hint) const
{
    const bool hit = hint >= 0 && hint < entries.size() && index != 0 && entries[hint].index == index
        && entries[hint].subIndex == subIndex;
    if (!hit)
        hint = findSlot(index, subIndex);
    if (hint < 0 || !entries[hint].valid)
        return false;
    value = entries[hint].value;
    return true;
}

void MpdoSubject::fillSlot(int k, unsigned int index, unsigned char subIndex, const QVector<Observer*>& obs)
{
    mpdoEntry_t& e = entries[k];
    e.index = index;
    e.subIndex = subIndex;
    *e.observers = obs;
    e.value = 0;
    e.stale = false;
    e.valid = false;
    // Before the first sync the whole table is written at once.
    if (synced)
        sendSetMpdoEntryCmd(index, subIndex, static_cast<unsigned char>(k));
}

void MpdoSubject::setMpdoEntry(Observer* o, unsigned int index, unsigned char subIndex)
{
    if (!o || index == 0)
        return;

    const int existing = findSlot(index, subIndex);
    if (existing >= 0) {
        entries[existing].observers->append(o);
        return;
    }

    const int w = findWaiting(index, subIndex);
    if (w >= 0) {
        waiting[w].observers.append(o);
        return;
    }

    for (int k = 0; k < entries.size(); ++k) {
        if (entries[k].index == 0) {
            fillSlot(k, index, subIndex, QVector<Observer*> {o});
            return;
        }
    }

    // The controller's table is full: wait for a slot instead of losing the entry.
    waitingEntry_t entry;
    entry.index = index;
    entry.subIndex = subIndex;
    entry.observers.append(o);
    waiting.append(entry);
}

void MpdoSubject::clearMpdoEntry(Observer* o, unsigned int index, unsigned char subIndex)
{
    const int k = findSlot(index, subIndex);
    if (k < 0) {
        const int w = findWaiting(index, subIndex);
        if (w < 0)
            return;
        waiting[w].observers.removeOne(o);
        if (waiting[w].observers.isEmpty())
            waiting.remove(w);
        return;
    }

    mpdoEntry_t& e = entries[k];
    e.observers->removeOne(o);
    if (!e.observers->isEmpty())
        return;

    e.index = 0;
    e.subIndex = 0;
    e.value = 0;
    e.stale = false;
    e.valid = false;
    sendClearMpdoEntryCmd(static_cast<unsigned char>(k));

    if (!waiting.isEmpty()) {
        const waitingEntry_t next = waiting.takeFirst();
        fillSlot(k, next.index, next.subIndex, next.observers);
    }
}

void MpdoSubject::newCanMessage(const canMessage* m)
{
    if (!m || m->id != MpdoRxId || m->len != 8 || m->data[0] != 0x01)
        return;

    lastFrame.start();
    if (!watchdog->isActive() || watchdog->interval() == ReconnectMs)
        watchdog->start(WatchdogMs);

    const int k = findSlot(getIndex(m), getSubIndex(m));
    if (k < 0)
        return;

    mpdoEntry_t& e = entries[k];
    e.stale = false;
    e.valid = true;
    e.value = getValue(m);

    // An observer may subscribe, unsubscribe or be destroyed from inside
    // update(): walk a snapshot and wake only those still subscribed here.
    const unsigned int index = e.index;
    const unsigned char subIndex = e.subIndex;
    const QVector<Observer*> snapshot = *e.observers;
    for (Observer* o : snapshot) {
        const mpdoEntry_t& now = entries[k];
        if (now.index != index || now.subIndex != subIndex)
            break;
        if (now.observers->contains(o))
            o->update();
    }
}

void MpdoSubject::watchdogExpired()
{
    if (watchdog->interval() != ReconnectMs && lastFrame.isValid()) {
        const qint64 left = WatchdogMs - lastFrame.elapsed();
        if (left > 0) {
            watchdog->start(static_cast<int>(left));
            return;
        }
    }
    reconnect();
}

void MpdoSubject::syncMpdoList()
{
    sendClearAllMpdoEntryCmd();
    for (int k = 0; k < entries.size(); ++k) {
        entries[k].stale = false;
        if (entries[k].index != 0)
            sendSetMpdoEntryCmd(entries[k].index, entries[k].subIndex, static_cast<unsigned char>(k));
    }
    synced = true;
}

void MpdoSubject::checkSync()
{
    for (int k = 0; k < entries.size(); ++k) {
        if (entries[k].stale && entries[k].index != 0)
            sendSetMpdoEntryCmd(entries[k].index, entries[k].subIndex, static_cast<unsigned char>(k));
    }
    for (mpdoEntry_t& e : entries)
        e.stale = true;
}

void MpdoSubject::reconnect()
{
    // Free slots are written too: their zeros clear whatever the controller
    // may still hold there.
    for (int k = 0; k < entries.size(); ++k) {
        sendSetMpdoEntryCmd(entries[k].index, entries[k].subIndex, static_cast<unsigned char>(k));
        entries[k].stale = false;
    }
    watchdog->start(ReconnectMs);
}

void MpdoSubject::sendSetMpdoEntryCmd(unsigned int index, unsigned char subIndex, unsigned char slot)
{
    if (slot >= NumberOfEntries)
        return;
    canMessage m;
    m.id = SdoTxId;
    m.len = 8;
    m.data[0] = 0x23;
    m.data[1] = 0xE3;
    m.data[2] = 0x48;
    m.data[3] = static_cast<uint8_t>(slot + 1);
    m.data[4] = static_cast<uint8_t>(index & 0xFF);
    m.data[5] = static_cast<uint8_t>((index >> 8) & 0xFF);
    m.data[6] = subIndex;
    m.data[7] = 0x00;
    sendCanMessage(m);
}

void MpdoSubject::sendClearMpdoEntryCmd(unsigned char slot)
{
    if (slot >= NumberOfEntries)
        return;
    canMessage m;
    m.id = SdoTxId;
    m.len = 8;
    m.data[0] = 0x23;
    m.data[1] = 0xE3;
    m.data[2] = 0x48;
    m.data[3] = static_cast<uint8_t>(slot + 1);
    sendCanMessage(m);
}

void MpdoSubject::sendClearAllMpdoEntryCmd()
{
    canMessage m;
    m.id = SdoTxId;
    m.len = 8;
    m.data[0] = 0x2F;
    m.data[1] = 0xF2;
    m.data[2] = 0x48;
    m.data[3] = 0x00;
    m.data[4] = 0x01;
    sendCanMessage(m);
}
