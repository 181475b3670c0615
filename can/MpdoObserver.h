#pragma once

#include "core/Observer.h"

#include <QPointer>
#include <QVector>

#include <vector>

class MpdoSubject;
class Subject;

// Base of every controller-backed data subject: subscribes object-dictionary
// entries at the MPDO client and receives newValue() for each of its entries
// that has a value whenever the client wakes it for a received frame.
class MpdoObserver : public Observer {
public:
    struct odEntry_t {
        unsigned int index = 0;
        unsigned char subIndex = 0;
    };

    explicit MpdoObserver(MpdoSubject* m);
    // Unsubscribes every entry so the client keeps no pointer to a dead observer.
    virtual ~MpdoObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void newValue(unsigned int index, unsigned char subIndex, unsigned int value);

    MpdoSubject* getMpdoSub() const;
    void subscribe(unsigned int index, unsigned char subIndex);
    void unsubscribe(unsigned int index, unsigned char subIndex);

    const QVector<odEntry_t>& getOdEntries() const { return odEntries; }

protected:
    QVector<odEntry_t> odEntries;

private:
    int findEntry(unsigned int index, unsigned char subIndex) const;

    // Tells whether the client still exists (tests and tools may destroy it first).
    QPointer<Subject> alive;
    // The client's table slot each entry was last found in, by position in
    // odEntries; only a hint, checked on every use.
    std::vector<int> slotHints;
};
