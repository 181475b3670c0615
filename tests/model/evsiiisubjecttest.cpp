#include "StabilityTestSupport.h"

#include "model/EvsIIIObserver.h"
#include "model/LanguageSubject.h"
#include "model/LanguageSupport.h"
#include "model/RclMxEvsIIISubject.h"
#include "model/UiModeSubject.h"
#include "platform/RcLinkSubject.h"
#include "support/TestSandbox.h"

#include <QStringList>
#include <QtTest>

#include <memory>

namespace {

// A good radio link, so the UI state only follows the controller.
class GoodLink : public RcLinkSubject {
public:
    void setSignalStrengh(unsigned int) override {}
    void setCabledConnection(bool) override {}
    void setConnectionPaired(bool) override {}
    bool isConnectionPaired() override { return true; }
    bool isConnectionCabled() override { return false; }
    int getSignalStrengh() override { return 50; }
};

class GuideRecorder : public EvsIIIObserver {
public:
    using EvsIIIObserver::EvsIIIObserver;
    void userGuideTextChanged(bool show, QString text) override
    {
        calls << QStringLiteral("%1:%2").arg(show).arg(text);
    }
    void slmLoadChanged(float load) override { loads << load; }
    void evsGuideCodeActiveChanged(bool) override { ++activeCalls; }
    QStringList calls;
    QVector<float> loads;
    int activeCalls = 0;
};

} // namespace

class EvsIIISubjectTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TestSandbox> sandbox;
    std::unique_ptr<StabilityTestCan> can;
    std::unique_ptr<MpdoSubject> mpdo;
    std::unique_ptr<GoodLink> link;
    std::unique_ptr<UiModeSubject> uiMode;
    std::unique_ptr<CountingObserver> uiWatcher;
    std::unique_ptr<RclMxEvsIIISubject> evsIII;

    void feed(unsigned int value)
    {
        const canMessage m = stabilityMpdoFrame(0x47CF, value);
        mpdo->newCanMessage(&m);
    }
    bool subscribed() { return mpdo->getMpdoEntry(0x47CF, 0) != nullptr; }
    static void deliver()
    {
        // Two passes: the UI state reaches the subject, which then notifies.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    void enterUiMode(RclModeSubject::mode_t mode)
    {
        uiMode->rclModeChanged(mode);
        deliver();
    }

private slots:
    void initTestCase()
    {
        // A translation table whose text n reads "text n".
        sandbox.reset(new TestSandbox);
        QByteArray table = "Translations:1.0:test\nKey;English\n";
        for (int id = 0; id < 69; ++id)
            table += QByteArray::number(id) + ";text " + QByteArray::number(id) + "\n";
        sandbox->writeFile(sandbox->devicePath("/home/GUI/nordel/LumoraTranslations.csv"), table);
        LanguageSubject::languageSupport = new LanguageSupport(0);
        QCOMPARE(LanguageSubject::languageSupport->getText(42), QStringLiteral("text 42"));
    }

    void init()
    {
        can.reset(new StabilityTestCan);
        mpdo.reset(new MpdoSubject(can.get()));
        mpdo->syncMpdoList();
        link.reset(new GoodLink);
        uiMode.reset(new UiModeSubject(link.get(), nullptr, nullptr, nullptr, nullptr));
        // Keeps the UI state machine running like the screens do.
        uiWatcher.reset(new CountingObserver(uiMode.get()));
        uiWatcher->attach();
        uiMode->rclColorDisplayDriverVersionChanged(3);
        evsIII.reset(new RclMxEvsIIISubject(mpdo.get(), uiMode.get()));
    }

    void cleanup()
    {
        deliver();
        evsIII.reset();
        uiWatcher.reset();
        uiMode.reset();
        link.reset();
        mpdo.reset();
        can.reset();
    }

    void slmLoadIsRoundedTenths_data()
    {
        QTest::addColumn<unsigned int>("raw");
        QTest::addColumn<float>("load");
        QTest::newRow("125 rounds away from zero") << 125u << 13.0f;
        QTest::newRow("124") << 124u << 12.0f;
        QTest::newRow("0") << 0u << 0.0f;
        QTest::newRow("largest") << 0xFFFFu << 6554.0f;
    }
    void slmLoadIsRoundedTenths()
    {
        QFETCH(unsigned int, raw);
        QFETCH(float, load);
        GuideRecorder o(evsIII.get());
        o.attach();
        feed((raw << 16) | 3);
        QCOMPARE(evsIII->getSlmLoad(), load);
        deliver();
        QCOMPARE(o.loads.last(), load);
    }

    void guidanceCodesShowTheirText_data()
    {
        QTest::addColumn<unsigned int>("code");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("errorString");
        QTest::newRow("1") << 1u << QStringLiteral("1:text 42") << QStringLiteral("1");
        QTest::newRow("5") << 5u << QStringLiteral("1:text 46") << QStringLiteral("5");
        QTest::newRow("8") << 8u << QStringLiteral("1:text 49") << QStringLiteral("8");
        QTest::newRow("9 has no guidance") << 9u << QStringLiteral("0:") << QStringLiteral("---");
        QTest::newRow("10 has no guidance") << 10u << QStringLiteral("0:") << QStringLiteral("---");
        QTest::newRow("0xFFFF has no guidance") << 0xFFFFu << QStringLiteral("0:") << QStringLiteral("---");
    }
    void guidanceCodesShowTheirText()
    {
        QFETCH(unsigned int, code);
        QFETCH(QString, call);
        QFETCH(QString, errorString);
        enterUiMode(RclModeSubject::MODE_CRANE);
        GuideRecorder o(evsIII.get());
        o.attach();
        QCOMPARE(o.calls, (QStringList {"0:"}));
        feed(0x00500000 | code);
        QCOMPARE(int(evsIII->getEvsEngineError()), int(code)); // passed on unchanged
        deliver();
        QCOMPARE(o.calls, (QStringList {"0:", call}));
        QCOMPARE(o.getEvsErrorString(), errorString);
        QCOMPARE(o.activeCalls, 0);
    }

    void guidanceIsWithdrawnOutsideTheOperatingScreens()
    {
        enterUiMode(RclModeSubject::MODE_STAB);
        GuideRecorder o(evsIII.get());
        o.attach();
        feed(4);
        deliver();
        QCOMPARE(o.calls, (QStringList {"0:", "1:text 45"}));

        enterUiMode(RclModeSubject::MODE_SLEEP);
        QCOMPARE(int(evsIII->getEvsEngineError()), 0);
        QCOMPARE(o.calls, (QStringList {"0:", "1:text 45", "0:"}));

        // Back on the operating screen the held code shows again.
        enterUiMode(RclModeSubject::MODE_CRANE);
        QCOMPARE(o.calls.last(), QStringLiteral("1:text 45"));
    }

    void noGuidanceBeforeTheOperatingScreen()
    {
        GuideRecorder o(evsIII.get());
        o.attach();
        QCOMPARE(uiMode->getUiState(), UiModeSubject::UI_INIT);
        feed(2);
        deliver();
        QCOMPARE(int(evsIII->getEvsEngineError()), 0);
        QCOMPARE(o.calls, (QStringList {"0:"}));
    }

    void subscriptionAndUiStateFollowTheObservers()
    {
        enterUiMode(RclModeSubject::MODE_CRANE);
        GuideRecorder first(evsIII.get());
        GuideRecorder second(evsIII.get());
        QVERIFY(!subscribed());
        first.attach();
        second.attach();
        QVERIFY(subscribed());
        QCOMPARE(uiMode->getNumberOfAttachedObservers(), 2);

        // One observer leaving must not freeze the UI state for the other.
        first.detach();
        QVERIFY(subscribed());
        feed(6);
        deliver();
        QCOMPARE(second.calls.last(), QStringLiteral("1:text 47"));
        enterUiMode(RclModeSubject::MODE_STOP);
        QCOMPARE(second.calls.last(), QStringLiteral("0:"));

        second.detach();
        QVERIFY(!subscribed());
        QCOMPARE(uiMode->getNumberOfAttachedObservers(), 1);
    }
};

QTEST_GUILESS_MAIN(EvsIIISubjectTest)
#include "evsiiisubjecttest.moc"
