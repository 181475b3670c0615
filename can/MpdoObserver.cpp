#include "MpdoObserver.h"

#include "can/MpdoSubject.h"

MpdoObserver::MpdoObserver(MpdoSubject* m)
    : Observer(m ? static_cast<Subject*>(m) : nullptr)
    , alive(m ? static_cast<Subject*>(m) : nullptr)
{
    attach();
}

MpdoObserver::~MpdoObserver()
{
    if (MpdoSubject* mpdo = getMpdoSub()) {
        const QVector<odEntry_t> entries = odEntries;
        for (const odEntry_t& e : entries)
            mpdo->clearMpdoEntry(this, e.index, e.subIndex);
    }
    odEntries.clear();
    detach();
}

void MpdoObserver::attach()
{
    if (subject && alive)
        subject->attach(this);
}

void MpdoObserver::detach()
{
    if (subject && alive)
        subject->detach(this);
}

MpdoSubject* MpdoObserver::getMpdoSub() const
{
    if (!subject || !alive)
        return nullptr;
    return dynamic_cast<MpdoSubject*>(subject);
}

int MpdoObserver::findEntry(unsigned int index, unsigned char subIndex) const
{
    for (int i = 0; i < odEntries.size(); ++i) {
        if (odEntries[i].index == index && odEntries[i].subIndex == subIndex)
            return i;
    }
    return -1;
}

void MpdoObserver::subscribe(unsigned int index, unsigned char subIndex)
{
    MpdoSubject* mpdo = getMpdoSub();
    // Index 0 is no object-dictionary entry; the client refuses it as well.
    if (!mpdo || index == 0 || findEntry(index, subIndex) >= 0)
        return;
    odEntries.append(odEntry_t {index, subIndex});
    mpdo->setMpdoEntry(this, index, subIndex);
}

void MpdoObserver::unsubscribe(unsigned int index, unsigned char subIndex)
{
    MpdoSubject* mpdo = getMpdoSub();
    if (!mpdo)
        return;
    const int i = findEntry(index, subIndex);
    if (i < 0)
        return;
    mpdo->clearMpdoEntry(this, index, subIndex);
    odEntries.remove(i);
    if (static_cast<size_t>(i) < slotHints.size())
        slotHints.erase(slotHints.begin() + i);
}

void MpdoObserver::update()
{
    MpdoSubject* mpdo = getMpdoSub();
    if (!mpdo)
        return;
    // A snapshot (shared, not copied) keeps the walk safe when newValue()
    // subscribes or unsubscribes.
    const QVector<odEntry_t> entries = odEntries;
    slotHints.resize(static_cast<size_t>(odEntries.size()), -1);
    for (int i = 0; i < entries.size(); ++i) {
        const odEntry_t& e = entries[i];
        // newValue() may subscribe or unsubscribe and so move the hints.
        const auto h = static_cast<size_t>(i);
        int hint = h < slotHints.size() ? slotHints[h] : -1;
        unsigned int value = 0;
        const bool has = mpdo->getMpdoValue(e.index, e.subIndex, value, hint);
        if (h < slotHints.size())
            slotHints[h] = hint;
        if (has)
            newValue(e.index, e.subIndex, value);
    }
}

void MpdoObserver::newValue(unsigned int, unsigned char, unsigned int) {}
