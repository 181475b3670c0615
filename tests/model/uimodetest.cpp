#include "ModelTestSupport.h"

#include "model/OverrideSubject.h"
#include "model/RclErrorSubject.h"
#include "model/RclInfoSubject.h"
#include "model/RclModeSubject.h"
#include "model/UiModeObserver.h"
#include "model/UiModeSubject.h"
#include "platform/RcLinkSubject.h"

#include <QtTest>

#include <memory>

namespace {
// Input subjects with settable state, standing in for the radio and the
// controller so each scenario sets exactly the conditions it needs.
class FakeLink : public RcLinkSubject {
public:
    void setSignalStrengh(unsigned int s) override { signal = int(s); notify(); }
    void setCabledConnection(bool) override {}
    void setConnectionPaired(bool p) override { paired = p; notify(); }
    bool isConnectionPaired() override { return paired; }
    bool isConnectionCabled() override { return false; }
    int getSignalStrengh() override { return signal; }
    int signal = 50;
    bool paired = true;
};

class FakeError : public RclErrorSubject {
public:
    unsigned int getError() override { return code; }
    unsigned int getAltCode() override { return 0; }
    void set(unsigned int c) { code = c; notify(); }
    unsigned int code = 0;
};

class FakeOverride : public OverrideSubject {
public:
    bool isOverrideActive() override { return active; }
    int getOverrideTimeLeftMs() override { return 0; }
    void set(bool a) { active = a; notify(); }
    bool active = false;
};

class FakeMode : public RclModeSubject {
public:
    mode_t getRclMode() override { return mode; }
    void set(mode_t m) { mode = m; notify(); }
    mode_t mode = MODE_NONE;
};

class FakeInfo : public RclInfoSubject {
public:
    unsigned int getRclSerialNumber() override { return 0; }
    int getRclDriverVersion() override { return version; }
    void set(int v) { version = v; notify(); }
    int version = -1;
};

// Input notifications reach the UI mode through one queued pass and its own
// notification through the next.
void pump()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

class StateRecorder : public UiModeObserver {
public:
    using UiModeObserver::UiModeObserver;
    void uiModeChange(UiModeSubject::uiState_t s) override { states.append(s); }
    QVector<UiModeSubject::uiState_t> states;
};
}

class UiModeTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        link.reset(new FakeLink);
        error.reset(new FakeError);
        override.reset(new FakeOverride);
        mode.reset(new FakeMode);
        info.reset(new FakeInfo);
        ui.reset(new UiModeSubject(link.get(), error.get(), override.get(), mode.get(), info.get()));
        observer.reset(new StateRecorder(ui.get()));
    }
    void cleanup()
    {
        observer.reset();
        ui.reset();
        info.reset();
        mode.reset();
        override.reset();
        error.reset();
        link.reset();
    }

    void splashUntilTheControllerVersionArrives()
    {
        QCOMPARE(ui->getUiState(), UiModeSubject::UI_INIT);
        QCOMPARE(link->getNumberOfAttachedObservers(), 0); // inputs wait for the first observer
        observer->attach();
        QCOMPARE(observer->states, QVector<UiModeSubject::uiState_t>({UiModeSubject::UI_INIT}));
        QCOMPARE(link->getNumberOfAttachedObservers(), 1);
        QCOMPARE(override->getNumberOfAttachedObservers(), 1);
        pump();
        QCOMPARE(ui->getUiState(), UiModeSubject::UI_INIT);

        mode->set(RclModeSubject::MODE_CRANE);
        pump();
        QCOMPARE(ui->getUiState(), UiModeSubject::UI_INIT); // still no version

        info->set(3);
        pump();
        QCOMPARE(ui->getUiState(), UiModeSubject::UI_CRANE);
        QCOMPARE(observer->states.last(), UiModeSubject::UI_CRANE);
    }

    void acceptedVersionWithoutModeKeepsSplash()
    {
        observer->attach();
        info->set(2);
        pump();
        QCOMPARE(ui->getUiState(), UiModeSubject::UI_INIT);
        QVERIFY(!ui->isConditionSet(UiModeSubject::UI_INIT));
        mode->set(RclModeSubject::MODE_STAB);
        pump();
        QCOMPARE(ui->getUiState(), UiModeSubject::UI_STAB);
        // MODE_NONE afterwards leaves the last operating state on screen.
        mode->set(RclModeSubject::MODE_NONE);
        pump();
        QCOMPARE(ui->getUiState(), UiModeSubject::UI_STAB);
    }

    void versionOneSticks()
    {
        mode->mode = RclModeSubject::MODE_CRANE;
        info->version = 1;
        observer->attach();
        QCOMPARE(ui->getUiState(), UiModeSubject::UI_RCL_UPDATE);
        info->set(3);
        pump();
        QCOMPARE(ui->getUiState(), UiModeSubject::UI_RCL_UPDATE);
    }

    void newerControllerAsksForDisplayUpdate()
    {
        observer->attach();
        info->set(4);
        pump();
        QCOMPARE(ui->getUiState(), UiModeSubject::UI_DISPLAY_UPDATE);
    }

    void unknownVersionChangesNothing()
    {
        observer->attach();
        info->set(3);
        mode->set(RclModeSubject::MODE_CRANE);
        pump();
        NotificationCounter counter(ui.get());
        counter.attach();
        ui->rclColorDisplayDriverVersionChanged(-1);
        pump();
        QCOMPARE(counter.updates, 0);
        QCOMPARE(ui->getUiState(), UiModeSubject::UI_CRANE);
    }

    void signalLossAndReturn()
    {
        info->version = 3;
        observer->attach();
        mode->set(RclModeSubject::MODE_CRANE);
        pump();
        QCOMPARE(ui->getUiState(), UiModeSubject::UI_CRANE);
        observer->states.clear();
        link->setSignalStrengh(0);
        pump();
        QCOMPARE(ui->getUiState(), UiModeSubject::UI_NO_SIGNAL);
        link->setSignalStrengh(80);
        pump();
        QCOMPARE(ui->getUiState(), UiModeSubject::UI_CRANE);
        QCOMPARE(observer->states,
                 QVector<UiModeSubject::uiState_t>({UiModeSubject::UI_NO_SIGNAL, UiModeSubject::UI_CRANE}));
    }

    void signalLossBeforeVersionEndsSplash()
    {
        observer->attach();
        link->setSignalStrengh(0);
        pump();
        QCOMPARE(ui->getUiState(), UiModeSubject::UI_NO_SIGNAL);
        mode->set(RclModeSubject::MODE_CRANE);
        link->setSignalStrengh(50);
        pump();
        QCOMPARE(ui->getUiState(), UiModeSubject::UI_CRANE);
    }

    void notPairedOutranksEverything()
    {
        info->version = 1;
        observer->attach();
        link->setConnectionPaired(false);
        pump();
        QCOMPARE(ui->getUiState(), UiModeSubject::UI_NOT_PAIRED);
    }

    void errorThreshold()
    {
        info->version = 3;
        observer->attach();
        mode->set(RclModeSubject::MODE_CRANE);
        error->set(1);
        pump();
        QCOMPARE(ui->getUiState(), UiModeSubject::UI_CRANE);
        error->set(2);
        pump();
        QCOMPARE(ui->getUiState(), UiModeSubject::UI_ERROR);
        error->set(0);
        pump();
        QCOMPARE(ui->getUiState(), UiModeSubject::UI_CRANE);
    }

    void overrideOutranksError()
    {
        info->version = 3;
        observer->attach();
        mode->set(RclModeSubject::MODE_SLEEP);
        pump();
        QCOMPARE(ui->getUiState(), UiModeSubject::UI_SLEEP);
        error->set(5);
        override->set(true);
        pump();
        QCOMPARE(ui->getUiState(), UiModeSubject::UI_OVERRIDE);
        override->set(false);
        pump();
        QCOMPARE(ui->getUiState(), UiModeSubject::UI_ERROR);
    }

    void modeSwitchAndRepeatedInputs()
    {
        info->version = 3;
        observer->attach();
        mode->set(RclModeSubject::MODE_CRANE);
        pump();
        NotificationCounter counter(ui.get());
        counter.attach();
        observer->states.clear();

        mode->set(RclModeSubject::MODE_STAB);
        pump();
        QCOMPARE(observer->states, QVector<UiModeSubject::uiState_t>({UiModeSubject::UI_STAB}));
        QVERIFY(!ui->isConditionSet(UiModeSubject::UI_CRANE));

        // Each input recalculates and notifies, even without a change.
        const int before = counter.updates;
        ui->errorCodeChanged(0);
        ui->errorCodeChanged(0);
        pump();
        QCOMPARE(counter.updates, before + 2);
        QCOMPARE(observer->states.size(), 1);

        mode->set(RclModeSubject::MODE_STOP);
        pump();
        QCOMPARE(ui->getUiState(), UiModeSubject::UI_STOP);
    }

    void inputsAreReleasedWithTheLastObserver()
    {
        StateRecorder second(ui.get());
        observer->attach();
        second.attach();
        QCOMPARE(error->getNumberOfAttachedObservers(), 1);
        observer->detach();
        QCOMPARE(error->getNumberOfAttachedObservers(), 1);
        second.detach();
        QCOMPARE(link->getNumberOfAttachedObservers(), 0);
        QCOMPARE(error->getNumberOfAttachedObservers(), 0);
        QCOMPARE(override->getNumberOfAttachedObservers(), 0);
        QCOMPARE(mode->getNumberOfAttachedObservers(), 0);
        QCOMPARE(info->getNumberOfAttachedObservers(), 0);
    }

private:
    std::unique_ptr<FakeLink> link;
    std::unique_ptr<FakeError> error;
    std::unique_ptr<FakeOverride> override;
    std::unique_ptr<FakeMode> mode;
    std::unique_ptr<FakeInfo> info;
    std::unique_ptr<UiModeSubject> ui;
    std::unique_ptr<StateRecorder> observer;
};

QTEST_GUILESS_MAIN(UiModeTest)
#include "uimodetest.moc"
