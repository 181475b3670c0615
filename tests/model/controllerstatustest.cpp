#include "ModelTestSupport.h"

#include "model/CbsObserver.h"
#include "model/InfocenterObserver.h"
#include "model/MooringObserver.h"
#include "model/OverrideObserver.h"
#include "model/RclBuzzerObserver.h"
#include "model/RclErrorObserver.h"
#include "model/RclInfoObserver.h"
#include "model/RclModeObserver.h"
#include "model/RclMxServiceSubject.h"
#include "model/RclMxTimeObserver.h"
#include "model/RclMxTimeSubject.h"
#include "model/RovA7BuzzerSubject.h"
#include "model/RovA7CbsSubject.h"
#include "model/RovA7ErrorSubject.h"
#include "model/RovA7InfocenterInfoSubject.h"
#include "model/RovA7ModeSubject.h"
#include "model/RovA7MooringSubject.h"
#include "model/RovA7OverrideSubject.h"
#include "model/RovA7RclInfoSubject.h"
#include "model/ServiceObserver.h"

#include <QTimer>
#include <QtTest>

#include <memory>

namespace {
class ModeRecorder : public RclModeObserver {
public:
    using RclModeObserver::RclModeObserver;
    void rclModeChanged(RclModeSubject::mode_t m) override { modes.append(m); }
    QVector<RclModeSubject::mode_t> modes;
};

class ErrorRecorder : public RclErrorObserver {
public:
    using RclErrorObserver::RclErrorObserver;
    void errorCodeChanged(unsigned int c) override { calls.append(QStringLiteral("error %1").arg(c)); }
    void altCodeChanged(unsigned int c) override { calls.append(QStringLiteral("alt %1").arg(c)); }
    QStringList calls;
};

class BuzzerRecorder : public RclBuzzerObserver {
public:
    using RclBuzzerObserver::RclBuzzerObserver;
    void rclBuzzerStateChanged(bool on, unsigned int ms) override { calls.append(qMakePair(on, ms)); }
    QVector<QPair<bool, unsigned int>> calls;
};

class OverrideRecorder : public OverrideObserver {
public:
    using OverrideObserver::OverrideObserver;
    void overrideActive(bool active, unsigned int ms) override { calls.append(qMakePair(active, ms)); }
    QVector<QPair<bool, unsigned int>> calls;
};

class MooringRecorder : public MooringObserver {
public:
    using MooringObserver::MooringObserver;
    void mooringStateChanged(MooringSubject::mooringState_t s) override { states.append(s); }
    QVector<MooringSubject::mooringState_t> states;
};

class InfoRecorder : public RclInfoObserver {
public:
    using RclInfoObserver::RclInfoObserver;
    void serialNumberChanged(unsigned int s) override { calls.append(QStringLiteral("serial %1").arg(s)); }
    void rclColorDisplayDriverVersionChanged(int v) override { calls.append(QStringLiteral("driver %1").arg(v)); }
    QStringList calls;
};

class IconRecorder : public InfocenterObserver {
public:
    using InfocenterObserver::InfocenterObserver;
    void iconId1Changed(unsigned int id) override { calls.append(QStringLiteral("top %1").arg(id)); }
    void iconId2Changed(unsigned int id) override { calls.append(QStringLiteral("bottom %1").arg(id)); }
    QStringList calls;
};

class ServiceRecorder : public ServiceObserver {
public:
    using ServiceObserver::ServiceObserver;
    void opearionHoursToNextServiceStringChanged(QString t) override { calls.append(QStringLiteral("service ") + t); }
    void opearionHoursToNextOilServiceStringChanged(QString t) override { calls.append(QStringLiteral("oil ") + t); }
    void daysToNextPlannedServiceStringChanged(QString t) override { calls.append(QStringLiteral("days ") + t); }
    void activeHoursChanged(QString t) override { calls.append(QStringLiteral("active ") + t); }
    QStringList calls;
};

class TimeRecorder : public RclMxTimeObserver {
public:
    using RclMxTimeObserver::RclMxTimeObserver;
    void rclTimeChanged(long t) override { times.append(t); }
    QVector<long> times;
};

constexpr unsigned int StateWord = 0x48EA;
constexpr unsigned int ErrorWord = 0x47CB;
constexpr unsigned int OverrideTime = 0x2C21;
constexpr unsigned int OverrideBit = 1u << 17;
}

class ControllerStatusTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        can.reset(new ModelTestCan);
        mpdo.reset(new MpdoSubject(can.get()));
    }
    void cleanup()
    {
        mpdo.reset();
        can.reset();
    }

    void modeDecoding_data()
    {
        QTest::addColumn<unsigned int>("value");
        QTest::addColumn<int>("mode");
        QTest::newRow("sleep wins over stop") << 0x0103u << int(RclModeSubject::MODE_SLEEP);
        QTest::newRow("stop wins over stab") << 0x0102u << int(RclModeSubject::MODE_STOP);
        QTest::newRow("stab wins over crane") << 0x0006u << int(RclModeSubject::MODE_STAB);
        QTest::newRow("crane bit 5") << 0x0020u << int(RclModeSubject::MODE_CRANE);
        QTest::newRow("crane bit 6") << 0x0040u << int(RclModeSubject::MODE_CRANE);
        QTest::newRow("crane bit 2") << 0x0004u << int(RclModeSubject::MODE_CRANE);
        QTest::newRow("bits 3 and 4 mean nothing") << 0x0018u << int(RclModeSubject::MODE_NONE);
        QTest::newRow("upper half ignored") << 0xFFFE0000u << int(RclModeSubject::MODE_NONE);
    }
    void modeDecoding()
    {
        QFETCH(unsigned int, value);
        QFETCH(int, mode);
        RovA7ModeSubject subject(mpdo.get());
        ModeRecorder observer(&subject);
        observer.attach();
        deliver(mpdo.get(), StateWord, 0, value);
        QCOMPARE(int(subject.getRclMode()), mode);
    }

    void modeObserverIsQueuedAndReportsChangesOnce()
    {
        RovA7ModeSubject subject(mpdo.get());
        ModeRecorder observer(&subject);
        QVERIFY(!subscribed(mpdo.get(), StateWord));
        observer.attach();
        QVERIFY(subscribed(mpdo.get(), StateWord));
        QCOMPARE(observer.modes, QVector<RclModeSubject::mode_t>({RclModeSubject::MODE_NONE}));

        deliver(mpdo.get(), StateWord, 0, 0x20);
        deliver(mpdo.get(), StateWord, 0, 0x20);
        QCOMPARE(observer.modes.size(), 1); // not synchronous
        QCoreApplication::processEvents();
        QCOMPARE(observer.modes.size(), 2);
        QCOMPARE(observer.modes.last(), RclModeSubject::MODE_CRANE);
        QCOMPARE(observer.getMode(), RclModeSubject::MODE_CRANE);

        observer.detach();
        QVERIFY(!subscribed(mpdo.get(), StateWord));
    }

    void errorAltCodeAndBuzzerShareOneWord()
    {
        RovA7ErrorSubject error(mpdo.get());
        RovA7BuzzerSubject buzzer(mpdo.get());
        QVERIFY(subscribed(mpdo.get(), ErrorWord)); // error is always subscribed
        ErrorRecorder errors(&error);
        BuzzerRecorder buzz(&buzzer);
        errors.attach();
        buzz.attach();
        QCOMPARE(errors.calls, QStringList({"error 0", "alt 0"}));

        deliver(mpdo.get(), ErrorWord, 0, 0x7F03002A);
        QCoreApplication::processEvents();
        QCOMPARE(error.getError(), 42u);
        QCOMPARE(error.getAltCode(), 127u);
        QCOMPARE(errors.calls, QStringList({"error 0", "alt 0", "error 42", "alt 127"}));
        QVERIFY(buzzer.getBuzzerState());
        QCOMPARE(buzzer.getBuzzerTimeMs(), 800u);
        QCOMPARE(buzz.calls.last(), qMakePair(true, 800u));

        // The buzzer leaving keeps the shared entry alive for the error subject.
        buzz.detach();
        QVERIFY(subscribed(mpdo.get(), ErrorWord));
    }

    void buzzerCodes_data()
    {
        QTest::addColumn<unsigned int>("code");
        QTest::addColumn<bool>("on");
        QTest::addColumn<unsigned int>("timeMs");
        QTest::newRow("1") << 1u << true << 0u;
        QTest::newRow("2") << 2u << true << 400u;
        QTest::newRow("4") << 4u << true << 1000u;
        QTest::newRow("5") << 5u << true << 3000u;
        QTest::newRow("0 off, time kept") << 0u << false << 400u;
        QTest::newRow("9 off, time kept") << 9u << false << 400u;
        QTest::newRow("255 off, time kept") << 255u << false << 400u;
    }
    void buzzerCodes()
    {
        QFETCH(unsigned int, code);
        QFETCH(bool, on);
        QFETCH(unsigned int, timeMs);
        RovA7BuzzerSubject buzzer(mpdo.get());
        buzzer.newValue(ErrorWord, 0, 2u << 16);
        buzzer.newValue(ErrorWord, 0, code << 16);
        QCOMPARE(buzzer.getBuzzerState(), on);
        QCOMPARE(buzzer.getBuzzerTimeMs(), timeMs);
    }

    void cbsBit26()
    {
        RovA7CbsSubject cbs(mpdo.get());
        cbs.newValue(StateWord, 0, 1u << 26);
        QVERIFY(cbs.isCbsActive());
        cbs.newValue(StateWord, 0, ~(1u << 26));
        QVERIFY(!cbs.isCbsActive());
    }

    void mooringIgnoresUnknownStates()
    {
        RovA7MooringSubject mooring(mpdo.get());
        MooringRecorder observer(&mooring);
        NotificationCounter counter(&mooring);
        observer.attach();
        counter.attach();
        deliver(mpdo.get(), 0x5FBE, 0, 2);
        QCoreApplication::processEvents();
        QCOMPARE(mooring.getMooringState(), MooringSubject::MOORING_LOCKED);
        QCOMPARE(counter.updates, 1);

        deliver(mpdo.get(), 0x5FBE, 0, 3);
        deliver(mpdo.get(), 0x5FBE, 0, 0xFFFFFFFF);
        QCoreApplication::processEvents();
        QCOMPARE(mooring.getMooringState(), MooringSubject::MOORING_LOCKED);
        QCOMPARE(counter.updates, 1);
        QCOMPARE(observer.states.last(), MooringSubject::MOORING_LOCKED);
    }

    void overrideCountdown()
    {
        RovA7OverrideSubject override(mpdo.get());
        OverrideRecorder observer(&override);
        NotificationCounter counter(&override);
        observer.attach();
        counter.attach();
        QVERIFY(observer.calls.isEmpty()); // attach reports nothing

        QVERIFY(!subscribed(mpdo.get(), OverrideTime));
        deliver(mpdo.get(), StateWord, 0, OverrideBit);
        QVERIFY(subscribed(mpdo.get(), OverrideTime));
        QCoreApplication::processEvents();
        QCOMPARE(counter.updates, 1);
        QVERIFY(override.isOverrideActive());

        // A steady controller time is not a countdown yet.
        override.newValue(OverrideTime, 0, 300);
        override.newValue(OverrideTime, 0, 300);
        QCoreApplication::processEvents();
        QCOMPARE(counter.updates, 1);
        QVERIFY(!override.isCountingDown());
        QVERIFY(!override.countdownTimer()->isActive());

        override.newValue(OverrideTime, 0, 299);
        QCOMPARE(override.getOverrideTimeLeftMs(), 29775);
        QVERIFY(override.isCountingDown());
        QVERIFY(override.countdownTimer()->isActive());
        QCOMPARE(override.countdownTimer()->interval(), 100);
        QCoreApplication::processEvents();
        QCOMPARE(counter.updates, 2);
        QCOMPARE(observer.calls.last(), qMakePair(true, 29775u));

        for (int i = 0; i < 49; ++i)
            override.countDown();
        QCOMPARE(override.getOverrideTimeLeftMs(), 24875);
        QCoreApplication::processEvents();
        QCOMPARE(counter.updates, 2 + 49);
        QCOMPARE(observer.calls.last(), qMakePair(true, 24875u));

        // The controller agrees within a second: the local time stays.
        override.newValue(OverrideTime, 0, 250);
        QCOMPARE(override.getOverrideTimeLeftMs(), 24875);
        // It drifts by more than a second: re-aligned, without a notification.
        override.newValue(OverrideTime, 0, 230);
        QCOMPARE(override.getOverrideTimeLeftMs(), 22875);
        QCoreApplication::processEvents();
        QCOMPARE(counter.updates, 51);
    }

    void overrideCountdownEndsAtFiftyMs()
    {
        RovA7OverrideSubject override(mpdo.get());
        override.newValue(OverrideTime, 0, 20);
        override.newValue(OverrideTime, 0, 4); // 400 - 125 = 275 ms
        QCOMPARE(override.getOverrideTimeLeftMs(), 275);
        override.countDown();
        QCOMPARE(override.getOverrideTimeLeftMs(), 175);
        QVERIFY(override.countdownTimer()->isActive());
        override.countDown();
        QCOMPARE(override.getOverrideTimeLeftMs(), 75);
        override.countDown(); // -25: at or below 50 ms ends the countdown
        QCOMPARE(override.getOverrideTimeLeftMs(), 0);
        QVERIFY(!override.isCountingDown());
        QVERIFY(!override.countdownTimer()->isActive());

        // From 150 ms the next tick gives 50 ms, which also ends it.
        override.newValue(OverrideTime, 0, 30);
        override.newValue(OverrideTime, 0, 3); // 175 ms
        override.countDown(); // 75
        QCOMPARE(override.getOverrideTimeLeftMs(), 75);
        override.newValue(OverrideTime, 0, 1); // 100 - 125 = -25: re-aligned to -25
        QCOMPARE(override.getOverrideTimeLeftMs(), 75);
    }

    void overrideRestartsWhenControllerTimeGoesUp()
    {
        RovA7OverrideSubject override(mpdo.get());
        override.newValue(OverrideTime, 0, 300);
        override.newValue(OverrideTime, 0, 299);
        QVERIFY(override.isCountingDown());
        override.newValue(OverrideTime, 0, 600); // a new override period
        QVERIFY(!override.isCountingDown());
        QVERIFY(!override.countdownTimer()->isActive());
        QCOMPARE(override.getOverrideTimeLeftMs(), 59875);
        // The restart remembered 59875 ms, so 59900 ms is no countdown yet.
        override.newValue(OverrideTime, 0, 599);
        QVERIFY(!override.isCountingDown());
        override.newValue(OverrideTime, 0, 598);
        QVERIFY(override.isCountingDown());
        QCOMPARE(override.getOverrideTimeLeftMs(), 59675);
    }

    void overrideInactiveDropsTimeEntryButKeepsCounting()
    {
        RovA7OverrideSubject override(mpdo.get());
        deliver(mpdo.get(), StateWord, 0, OverrideBit);
        deliver(mpdo.get(), OverrideTime, 0, 300);
        deliver(mpdo.get(), OverrideTime, 0, 299);
        QVERIFY(override.isCountingDown());
        deliver(mpdo.get(), StateWord, 0, 0);
        QVERIFY(!override.isOverrideActive());
        QVERIFY(!subscribed(mpdo.get(), OverrideTime));
        QVERIFY(override.isCountingDown());
    }

    void overrideCorruptTimeDoesNotOverflow()
    {
        RovA7OverrideSubject override(mpdo.get());
        override.newValue(OverrideTime, 0, 0xFFFFFFFF);
        QVERIFY(override.getOverrideTimeLeftMs() > 0);
        override.newValue(OverrideTime, 0, 0xFFFFFFFE);
        QVERIFY(override.getOverrideTimeLeftMs() > 0);
        // A sane value afterwards still starts a countdown from it.
        override.newValue(OverrideTime, 0, 100);
        QVERIFY(override.isCountingDown());
        QCOMPARE(override.getOverrideTimeLeftMs(), 9875);
        OverrideRecorder observer(&override);
        observer.update();
        QCOMPARE(observer.calls.last(), qMakePair(false, 9875u));
    }

    void rclInfoIsReadOnAttach()
    {
        RovA7RclInfoSubject info(mpdo.get());
        QCOMPARE(info.getRclDriverVersion(), -1);
        InfoRecorder first(&info);
        first.attach();
        QCOMPARE(first.calls, QStringList({"serial 0", "driver -1"}));
        QVERIFY(subscribed(mpdo.get(), 0x1018, 4));
        QVERIFY(subscribed(mpdo.get(), 0x48E5));

        deliver(mpdo.get(), 0x48E5, 0, 3);
        QVERIFY(!subscribed(mpdo.get(), 0x48E5));
        QVERIFY(subscribed(mpdo.get(), 0x1018, 4));
        deliver(mpdo.get(), 0x1018, 4, 123456);
        QVERIFY(!subscribed(mpdo.get(), 0x1018, 4));
        QCoreApplication::processEvents();
        QCOMPARE(first.calls, QStringList({"serial 0", "driver -1", "serial 123456", "driver 3"}));
        QCOMPARE(first.getRclSerialNumberString(), QStringLiteral("123456"));
        QCOMPARE(first.getrclColorDisplayDriverVersionString(), QStringLiteral("3"));

        // Later frames do not arrive until another observer attaches.
        deliver(mpdo.get(), 0x48E5, 0, 4);
        QCOMPARE(info.getRclDriverVersion(), 3);
        InfoRecorder second(&info);
        second.attach();
        QVERIFY(subscribed(mpdo.get(), 0x48E5));
        deliver(mpdo.get(), 0x48E5, 0, 4);
        QCOMPARE(info.getRclDriverVersion(), 4);
    }

    void infocenterIconsClearWithLastObserver()
    {
        RovA7InfocenterInfoSubject icons(mpdo.get());
        {
            IconRecorder observer(&icons);
            observer.attach();
            QCOMPARE(observer.calls, QStringList({"top 0", "bottom 0"}));
            deliver(mpdo.get(), 0x48EC, 0, 0xFFFF0512);
            QCoreApplication::processEvents();
            QCOMPARE(observer.calls, QStringList({"top 0", "bottom 0", "top 18", "bottom 5"}));
        }
        QVERIFY(!subscribed(mpdo.get(), 0x48EC));
        QCOMPARE(icons.getTopDisplayIconId(), 0u);
        QCOMPARE(icons.getBotDisplayIconId(), 0u);
    }

    void serviceCounters_data()
    {
        QTest::addColumn<unsigned int>("index");
        QTest::addColumn<unsigned int>("value");
        QTest::addColumn<int>("expected");
        const unsigned int a = 0x26A6, d = 0x27B8, s = 0x27B3, o = 0x27B4;
        QTest::newRow("active 0 s") << a << 0u << 0;
        QTest::newRow("active 1799 s") << a << 1799u << 0;
        QTest::newRow("active 3599 s") << a << 3599u << 0;
        QTest::newRow("active 3600 s") << a << 3600u << 1;
        QTest::newRow("active 7199 s") << a << 7199u << 1;
        QTest::newRow("active 7200 s") << a << 7200u << 2;
        QTest::newRow("days 2 overdue reads 0") << d << unsigned(-172800) << 0;
        QTest::newRow("days 1.5 rounds up") << d << 129600u << 2;
        QTest::newRow("days 1.49") << d << 128736u << 1;
        QTest::newRow("service 1799 s") << s << 1799u << 0;
        QTest::newRow("service 1800 s") << s << 1800u << 1;
        QTest::newRow("service large unsigned") << s << 0xFFFFFFFFu << 1193046;
        QTest::newRow("oil 5400 s") << o << 5400u << 2;
    }
    void serviceCounters()
    {
        QFETCH(unsigned int, index);
        QFETCH(unsigned int, value);
        QFETCH(int, expected);
        RclMxServiceSubject service(mpdo.get());
        service.newValue(index, 0, value);
        int got = 0;
        switch (index) {
        case 0x26A6:
            got = service.getActiveHours();
            break;
        case 0x27B8:
            got = service.getDaysToNextPlannedService();
            break;
        case 0x27B3:
            got = service.getOperationHoursToService();
            break;
        default:
            got = service.getOperationHoursToOilChange();
            break;
        }
        QCOMPARE(got, expected);
    }

    void serviceObserverTexts()
    {
        RclMxServiceSubject service(mpdo.get());
        ServiceRecorder observer(&service);
        observer.attach();
        // Unknown counters equal the observer's start values: nothing to say yet.
        QVERIFY(observer.calls.isEmpty());
        QVERIFY(subscribed(mpdo.get(), 0x27B3));
        QVERIFY(subscribed(mpdo.get(), 0x26A6));

        deliver(mpdo.get(), 0x27B8, 0, unsigned(-172800));
        deliver(mpdo.get(), 0x26A6, 0, 7200);
        QCoreApplication::processEvents();
        QCOMPARE(observer.calls, QStringList({"days 0", "active 2"}));

        observer.detach();
        QVERIFY(!subscribed(mpdo.get(), 0x27B3));
        QVERIFY(!subscribed(mpdo.get(), 0x27B4));
        QVERIFY(!subscribed(mpdo.get(), 0x27B8));
        QVERIFY(!subscribed(mpdo.get(), 0x26A6));
    }

    void controllerTimeIsReadOncePerRun()
    {
        RclMxTimeSubject time(mpdo.get());
        {
            TimeRecorder observer(&time);
            observer.attach();
            QVERIFY(observer.times.isEmpty()); // not available yet
            QVERIFY(subscribed(mpdo.get(), 0x23B0));
            deliver(mpdo.get(), 0x23B0, 0, 1700000000);
            QVERIFY(!subscribed(mpdo.get(), 0x23B0));
            QVERIFY(time.timeAvailable());
            QVERIFY(time.minuteTimer()->isActive());
            QCOMPARE(time.minuteTimer()->interval(), 60000);
            QCoreApplication::processEvents();
            QCOMPARE(observer.times, QVector<long>({1700000000}));

            time.minuteTick();
            QCoreApplication::processEvents();
            QCOMPARE(observer.times.last(), 1700000060L);
        }
        TimeRecorder again(&time);
        again.attach();
        QVERIFY(!subscribed(mpdo.get(), 0x23B0));
        QCOMPARE(again.times, QVector<long>({1700000060}));
    }

private:
    std::unique_ptr<ModelTestCan> can;
    std::unique_ptr<MpdoSubject> mpdo;
};

QTEST_GUILESS_MAIN(ControllerStatusTest)
#include "controllerstatustest.moc"
