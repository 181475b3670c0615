#include "core/OscillatorObserver.h"
#include "core/OscillatorSubject.h"
#include "core/Subject.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QtTest>

namespace {

// A subject with one integer and an adapter that caches it.
class ValueSubject : public Subject {
public:
    void setValue(int v)
    {
        value = v;
        notify();
    }
    int value = 0;
};

class ValueObserver : public Observer {
public:
    explicit ValueObserver(Subject* s)
        : Observer(s)
    {
    }
    virtual ~ValueObserver() { detach(); }
    void attach() override { subject->attach(this); }
    void detach() override { subject->detach(this); }
    void update() override
    {
        ++updates;
        auto* s = dynamic_cast<ValueSubject*>(subject);
        if (!s || s->value == cache)
            return;
        cache = s->value;
        ++changes;
        if (onUpdate)
            onUpdate();
    }
    int cache = 0;
    int updates = 0;
    int changes = 0;
    std::function<void()> onUpdate;
};

class Recorder : public OscillatorObserver {
public:
    using OscillatorObserver::OscillatorObserver;
    void oscilate800ms(bool toggle) override { seen.append(toggle); }
    QVector<bool> seen;
};

} // namespace

class SubjectTest : public QObject {
    Q_OBJECT
private slots:
    void notifyIsQueued()
    {
        ValueSubject s;
        ValueObserver o(&s);
        o.attach();
        s.setValue(5);
        QCOMPARE(o.updates, 0);
        QCoreApplication::processEvents();
        QCOMPARE(o.updates, 1);
        QCOMPARE(o.cache, 5);
    }

    void attachTwiceKeepsOneEntry()
    {
        ValueSubject s;
        ValueObserver o(&s);
        o.attach();
        o.attach();
        QCOMPARE(s.getNumberOfAttachedObservers(), 1);
        s.setValue(1);
        QCoreApplication::processEvents();
        QCOMPARE(o.updates, 1);
    }

    void detachKeepsOrderAndIgnoresUnknown()
    {
        ValueSubject s;
        ValueObserver a(&s), b(&s), c(&s), stranger(&s);
        a.attach();
        b.attach();
        c.attach();
        stranger.detach();
        QCOMPARE(s.getNumberOfAttachedObservers(), 3);
        QString order;
        a.onUpdate = [&] { order += 'a'; };
        b.onUpdate = [&] { order += 'b'; };
        c.onUpdate = [&] { order += 'c'; };
        b.detach();
        s.setValue(2);
        QCoreApplication::processEvents();
        QCOMPARE(order, QStringLiteral("ac"));
    }

    void observerAttachedDuringUpdateRunsInSamePass()
    {
        ValueSubject s;
        ValueObserver first(&s), late(&s);
        first.attach();
        first.onUpdate = [&] { late.attach(); };
        s.setValue(3);
        QCoreApplication::processEvents();
        QCOMPARE(late.updates, 1);
        QCOMPARE(late.cache, 3);
    }

    void threeNotifiesOneChange()
    {
        ValueSubject s;
        ValueObserver o(&s);
        o.attach();
        s.setValue(7);
        s.notify();
        s.notify();
        QCoreApplication::processEvents();
        QCOMPARE(o.updates, 3);
        QCOMPARE(o.changes, 1);
    }

    void destroyedObserverIsDetached()
    {
        ValueSubject s;
        {
            ValueObserver o(&s);
            o.attach();
            QCOMPARE(s.getNumberOfAttachedObservers(), 1);
        }
        QCOMPARE(s.getNumberOfAttachedObservers(), 0);
        s.setValue(1);
        QCoreApplication::processEvents(); // must not touch the destroyed observer
    }

    void oscillatorWithoutCacheReportsEveryNotify()
    {
        OscillatorSubject osc;
        Recorder r(&osc);
        osc.oscilate800ms();
        osc.notify();
        osc.notify();
        QVERIFY(r.seen.isEmpty());
        QCoreApplication::processEvents();
        QCOMPARE(r.seen, QVector<bool>({true, true, true}));
    }

    void oscillatorAlternatesEvery800ms()
    {
        OscillatorSubject osc;
        Recorder r(&osc);
        QElapsedTimer clock;
        clock.start();
        QTRY_COMPARE_WITH_TIMEOUT(r.seen.size(), 1, 5000);
        QVERIFY(clock.elapsed() >= 700);
        QCOMPARE(r.seen.first(), true);
        QTRY_COMPARE_WITH_TIMEOUT(r.seen.size(), 2, 5000);
        QCOMPARE(r.seen.at(1), false);
    }
};

QTEST_GUILESS_MAIN(SubjectTest)
#include "subjecttest.moc"
