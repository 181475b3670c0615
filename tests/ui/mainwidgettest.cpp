#include "app/ApplicationStartup.h"
#include "model/ErrorSubject.h"
#include "model/RclInfoSubject.h"
#include "model/RclOverrideSubject.h"
#include "model/UiGenerationSubject.h"
#include "model/UiModeSubject.h"
#include "platform/vemorRcRcLinkSubject.h"
#include "ui/FullScreenMessage.h"
#include "ui/MainWidget.h"

#include <QLabel>
#include <QtTest>

namespace {

class FakeError : public ErrorSubject {
public:
    unsigned int getError() override { return error; }
    unsigned int getAltCode() override { return alt; }
    void set(unsigned int e, unsigned int a)
    {
        error = e;
        alt = a;
        notify();
    }
    unsigned int error = 0;
    unsigned int alt = 0;
};

class FakeOverride : public RclOverrideSubject {
public:
    bool isOverrideActive() override { return active; }
    int getOverrideTimeLeftMs() override { return timeLeft; }
    void set(bool a, int t)
    {
        active = a;
        timeLeft = t;
        notify();
    }
    bool active = false;
    int timeLeft = 0;
};

} // namespace

// Drives the screen through the UI-state machine with the controller's
// subjects replaced by small fakes.
class MainWidgetTest : public QObject {
    Q_OBJECT
private:
    FakeError* error = nullptr;
    FakeOverride* override = nullptr;
    vemorRcRcLinkSubject* link = nullptr;
    UiModeSubject* uiMode = nullptr;
    UiGenerationSubject* generation = nullptr;
    QWidget* mode = nullptr;
    MainWidget* main = nullptr;

    FullScreenMessage* message() const { return qobject_cast<FullScreenMessage*>(main->currentFullScreenWidget()); }

private slots:
    void initTestCase() { ApplicationStartup::loadResourcesAndFont(); }

    void init()
    {
        error = new FakeError;
        override = new FakeOverride;
        link = new vemorRcRcLinkSubject; // a radio link: start-up is the first state
        uiMode = new UiModeSubject(link, nullptr, nullptr, nullptr, nullptr);
        generation = new UiGenerationSubject;
        mode = nullptr;
        main = new MainWidget(nullptr, error, override, uiMode, generation, nullptr);
    }

    void cleanup()
    {
        delete main;
        delete uiMode;
        delete link;
        delete override;
        delete error;
        delete generation;
    }

    void firstStateShowsSplash()
    {
        QCOMPARE(main->getCurrentState(), int(UiModeSubject::UI_INIT));
        QVERIFY(message());
        QVERIFY(message()->isSpinnerEnabled());
    }

    void everyMessageStateBuildsAFreshMessage()
    {
        QPointer<QWidget> splash = main->currentFullScreenWidget();
        main->changeView(UiModeSubject::UI_NO_SIGNAL);
        QVERIFY(splash.isNull());
        QPointer<QWidget> noSignal = main->currentFullScreenWidget();
        QVERIFY(noSignal);
        main->changeView(UiModeSubject::UI_INIT);
        QVERIFY(noSignal.isNull());
        QVERIFY(main->currentFullScreenWidget());
        // The same state again changes nothing.
        QPointer<QWidget> again = main->currentFullScreenWidget();
        main->changeView(UiModeSubject::UI_INIT);
        QCOMPARE(main->currentFullScreenWidget(), again.data());
    }

    void operatingStatesShowNoMessage()
    {
        main->changeView(UiModeSubject::UI_CRANE);
        QVERIFY(!main->currentFullScreenWidget());
        main->changeView(UiModeSubject::UI_STAB);
        QVERIFY(!main->currentFullScreenWidget());
        QCOMPARE(main->getFullScreenWidget(static_cast<UiModeSubject::uiState_t>(11)), nullptr);
        main->changeView(static_cast<UiModeSubject::uiState_t>(11));
        QVERIFY(!main->currentFullScreenWidget());
        main->changeView(UiModeSubject::UI_SLEEP);
        QVERIFY(message());
    }

    void errorTextPaddedAndUpdatedInPlace()
    {
        main->errorCodeChanged(5);
        QVERIFY(main->getErrorText().endsWith(QStringLiteral(" 005")));
        QVERIFY(!main->getErrorText().contains(QLatin1Char('\n')));
        main->changeView(UiModeSubject::UI_ERROR);
        FullScreenMessage* shown = message();
        QVERIFY(shown);
        QCOMPARE(shown->descriptionLabel()->text(), main->getErrorText());

        main->errorCodeChanged(1234);
        main->altCodeChanged(7);
        QCOMPARE(message(), shown); // not rebuilt
        const QStringList lines = shown->descriptionLabel()->text().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines.at(0).endsWith(QStringLiteral(" 1234")));
        QVERIFY(lines.at(1).endsWith(QStringLiteral(" 007")));

        const QString before = main->getErrorText();
        main->errorCodeChanged(0);
        QCOMPARE(main->getErrorText(), before);
    }

    void overrideTexts_data()
    {
        QTest::addColumn<unsigned int>("ms");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("0") << 0u << QString();
        QTest::newRow("5000") << 5000u << QString();
        QTest::newRow("12400") << 12400u << QStringLiteral(": 12s");
        QTest::newRow("2500") << 2500u << QStringLiteral(": 3s");
    }

    void overrideTexts()
    {
        QFETCH(unsigned int, ms);
        QFETCH(QString, suffix);
        main->overrideActive(true, 0);
        const QString label = main->getOverrideText();
        main->overrideActive(true, ms);
        QCOMPARE(main->getOverrideText(), label + suffix);
    }

    void overrideScreenFollowsCountdown()
    {
        main->overrideActive(true, 12400);
        main->changeView(UiModeSubject::UI_OVERRIDE);
        QVERIFY(message());
        QVERIFY(message()->descriptionLabel()->text().endsWith(QStringLiteral(": 12s")));
        main->overrideActive(true, 11000);
        QVERIFY(message()->descriptionLabel()->text().endsWith(QStringLiteral(": 11s")));
        main->overrideActive(false, 0);
        QVERIFY(message()->descriptionLabel()->text().endsWith(QStringLiteral(": 11s")));
    }

    void iconOnlyMessageSize()
    {
        main->changeView(UiModeSubject::UI_STOP);
        QVERIFY(message());
        QCOMPARE(message()->iconLabel()->minimumWidth(), 466);
        QCOMPARE(message()->iconLabel()->minimumHeight(), 180);
    }
};

QTEST_MAIN(MainWidgetTest)
#include "mainwidgettest.moc"
