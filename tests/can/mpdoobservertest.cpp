#include "can/CanSubject.h"
#include "can/MpdoObserver.h"
#include "can/MpdoSubject.h"

#include <QtTest>

#include <functional>

namespace {

class RecordingCan : public CanSubject {
public:
    canMessage getCanMessage() override { return {}; }
    void sendCanMessage(canMessage& m) override { sent.append(m); }
    QVector<canMessage> sent;
};

struct Value {
    unsigned int index;
    unsigned char subIndex;
    unsigned int value;
    bool operator==(const Value& o) const
    {
        return index == o.index && subIndex == o.subIndex && value == o.value;
    }
};

// Records every newValue call, in order.
class Recorder : public MpdoObserver {
public:
    using MpdoObserver::MpdoObserver;
    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override
    {
        values.append(Value {index, subIndex, value});
        if (onValue)
            onValue();
    }
    QVector<Value> values;
    std::function<void()> onValue;
};

canMessage mpdoFrame(unsigned int index, unsigned char sub, unsigned int value)
{
    canMessage m;
    m.id = 0x465;
    m.len = 8;
    m.data[0] = 0x01;
    m.data[1] = index & 0xFF;
    m.data[2] = (index >> 8) & 0xFF;
    m.data[3] = sub;
    m.data[4] = value & 0xFF;
    m.data[5] = (value >> 8) & 0xFF;
    m.data[6] = (value >> 16) & 0xFF;
    m.data[7] = (value >> 24) & 0xFF;
    return m;
}

} // namespace

class MpdoObserverTest : public QObject {
    Q_OBJECT
private:
    RecordingCan* can = nullptr;
    MpdoSubject* mpdo = nullptr;

    void feed(unsigned int index, unsigned char sub, unsigned int value)
    {
        const canMessage m = mpdoFrame(index, sub, value);
        mpdo->newCanMessage(&m);
    }

private slots:
    void init()
    {
        can = new RecordingCan;
        mpdo = new MpdoSubject(can);
        mpdo->syncMpdoList();
        can->sent.clear();
    }

    void cleanup()
    {
        delete mpdo;
        delete can;
    }

    void attachesToTheClientAtConstruction()
    {
        Recorder r(mpdo);
        QCOMPARE(r.getMpdoSub(), mpdo);
        QCOMPARE(mpdo->getNumberOfAttachedObservers(), 1);
    }

    void subscribingTwiceKeepsOneEntryAndOneCommand()
    {
        Recorder r(mpdo);
        r.subscribe(0x1234, 1);
        r.subscribe(0x1234, 1);
        QCOMPARE(r.getOdEntries().size(), 1);
        QCOMPARE(can->sent.size(), 1);
        QCOMPARE(mpdo->getMpdoEntry(0x1234, 1)->observers->size(), 1);
    }

    void deliversEveryEntryWithAValueInSubscriptionOrder()
    {
        Recorder r(mpdo);
        r.subscribe(0xB000, 2); // B
        r.subscribe(0xA000, 1); // A
        feed(0xA000, 1, 10);
        QCOMPARE(r.values, (QVector<Value> {{0xA000, 1, 10}}));

        r.values.clear();
        feed(0xB000, 2, 20);
        QCOMPARE(r.values, (QVector<Value> {{0xB000, 2, 20}, {0xA000, 1, 10}}));

        r.values.clear();
        feed(0xA000, 1, 11);
        QCOMPARE(r.values, (QVector<Value> {{0xB000, 2, 20}, {0xA000, 1, 11}}));
    }

    void unsubscribingAnUnknownEntrySendsNothing()
    {
        Recorder r(mpdo);
        r.unsubscribe(0x4444, 0);
        QVERIFY(can->sent.isEmpty());
        r.subscribe(0x4444, 0);
        r.unsubscribe(0x4444, 1);
        QCOMPARE(can->sent.size(), 1);
        r.unsubscribe(0x4444, 0);
        QCOMPARE(can->sent.size(), 2);
        QVERIFY(r.getOdEntries().isEmpty());
        QVERIFY(!mpdo->getMpdoEntry(0x4444, 0));
    }

    void withoutAClientNothingHappens()
    {
        Recorder r(nullptr);
        QVERIFY(!r.getMpdoSub());
        r.subscribe(0x1000, 0);
        QVERIFY(r.getOdEntries().isEmpty());
        r.update();
        r.unsubscribe(0x1000, 0);
        QVERIFY(r.values.isEmpty());
    }

    void indexZeroIsNotSubscribed()
    {
        Recorder r(mpdo);
        r.subscribe(0, 0);
        QVERIFY(r.getOdEntries().isEmpty());
        QVERIFY(can->sent.isEmpty());
    }

    void destroyedObserverLeavesNoTraceInTheClient()
    {
        Recorder keeper(mpdo);
        keeper.subscribe(0x5000, 0);
        {
            Recorder gone(mpdo);
            gone.subscribe(0x5000, 0);
            gone.subscribe(0x5001, 0);
        }
        QCOMPARE(mpdo->getNumberOfAttachedObservers(), 1);
        QCOMPARE(mpdo->getMpdoEntry(0x5000, 0)->observers->size(), 1);
        QVERIFY(!mpdo->getMpdoEntry(0x5001, 0));
        QCOMPARE(can->sent.size(), 3); // two set-entry, one clear
        QCOMPARE(int(can->sent.last().data[3]), 2);
        feed(0x5000, 0, 1); // must not touch the destroyed observer
        QCOMPARE(keeper.values.size(), 1);
    }

    void observerMayDestroyAnotherWhileWoken()
    {
        Recorder first(mpdo);
        auto* second = new Recorder(mpdo);
        first.subscribe(0x6000, 0);
        second->subscribe(0x6000, 0);
        first.onValue = [&] {
            delete second;
            second = nullptr;
        };
        feed(0x6000, 0, 1);
        QCOMPARE(first.values.size(), 1);
        QVERIFY(!second);
    }

    void observerMayUnsubscribeFromInsideNewValue()
    {
        Recorder r(mpdo);
        r.subscribe(0x7000, 0);
        r.subscribe(0x7001, 0);
        feed(0x7001, 0, 5);
        r.values.clear();
        r.onValue = [&] { r.unsubscribe(0x7001, 0); };
        feed(0x7000, 0, 4);
        // The walk uses the entries as they were when the frame came in.
        QCOMPARE(r.values.size(), 1);
        QCOMPARE(r.getOdEntries().size(), 1);
    }

    void subscriptionWaitingForASlotGetsValuesOnceItHasOne()
    {
        Recorder full(mpdo);
        for (unsigned int i = 1; i <= 20; ++i)
            full.subscribe(0x100 + i, 0);
        Recorder late(mpdo);
        late.subscribe(0x900, 0);
        QCOMPARE(late.getOdEntries().size(), 1);
        feed(0x900, 0, 3);
        QVERIFY(late.values.isEmpty());

        full.unsubscribe(0x105, 0);
        feed(0x900, 0, 4);
        QCOMPARE(late.values, (QVector<Value> {{0x900, 0, 4}}));
    }

    void clientDestroyedFirstLeavesObserverHarmless()
    {
        Recorder r(mpdo);
        r.subscribe(0x8000, 0);
        delete mpdo;
        mpdo = nullptr;
        QVERIFY(!r.getMpdoSub());
        r.update();
        r.subscribe(0x8001, 0);
        QCOMPARE(r.getOdEntries().size(), 1);
    }
};

QTEST_MAIN(MpdoObserverTest)
#include "mpdoobservertest.moc"
