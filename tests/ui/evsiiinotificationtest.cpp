#include "app/ApplicationStartup.h"
#include "model/EvsIIISubject.h"
#include "platform/VemorRcSoftButtonSubject.h"
#include "ui/EvsIIINotification.h"

#include <QGraphicsOpacityEffect>
#include <QGridLayout>
#include <QLabel>
#include <QtTest>

#include <memory>

namespace {

class TestEvsIII : public EvsIIISubject {
public:
    void setCode(unsigned int c)
    {
        code = c;
        notify();
    }
    evsError_t getEvsEngineError() override { return static_cast<evsError_t>(code); }
    float getSlmLoad() override { return 0; }

private:
    unsigned int code = 0;
};

const QString TextStyle =
    QStringLiteral("color: rgb(238, 238, 236); background-color: rgba(221, 161, 161, 0); font-size: 15px; ");
const QString LightBulb = QStringLiteral("<html><img  src=\":/images/lightBulb.png\"/></html>");

} // namespace

class EvsIIINotificationTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEvsIII> evsIII;
    std::unique_ptr<VemorRcSoftButtonSubject> keys;
    std::unique_ptr<QWidget> parent;
    EvsIIINotification* n = nullptr;

    void settle()
    {
        for (int i = 0; i < 4; ++i)
            QCoreApplication::processEvents();
    }

    void pressKey(unsigned int key)
    {
        keys->setButtonState(0x80u >> key);
        settle();
        keys->setButtonState(0);
        settle();
    }

private slots:
    void initTestCase() { ApplicationStartup::loadResourcesAndFont(); }

    void init()
    {
        evsIII.reset(new TestEvsIII);
        keys.reset(new VemorRcSoftButtonSubject);
        parent.reset(new QWidget);
        parent->resize(480, 272);
        n = new EvsIIINotification(parent.get(), evsIII.get(), keys.get());
        parent->show();
        QVERIFY(QTest::qWaitForWindowExposed(parent.get()));
        // Let the fade-out of the "no guidance" report at attach run out.
        QTest::qWait(Notification::FadeMs + 50);
    }

    void cleanup()
    {
        parent.reset();
        n = nullptr;
        keys.reset();
        evsIII.reset();
    }

    void formAndTexts()
    {
        QCOMPARE(n->objectName(), QStringLiteral("EvsIIINotification"));
        QVERIFY(n->isHidden());
        auto* grid = n->findChild<QGridLayout*>(QStringLiteral("gridLayout_2"));
        QVERIFY(grid);
        QCOMPARE(grid->horizontalSpacing(), 6);
        QCOMPARE(grid->verticalSpacing(), 2);
        QCOMPARE(grid->contentsMargins().left(), 6);
        QCOMPARE(grid->contentsMargins().right(), 6);
        QCOMPARE(grid->contentsMargins().bottom(), 0);
        QVERIFY(!n->iconLabel()->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(n->textLabel()->text(), QStringLiteral("--"));
        QVERIFY(n->textLabel()->wordWrap());
        QCOMPARE(n->textLabel()->styleSheet(), TextStyle);
        QCOMPARE(n->hintLabel()->text(), QStringLiteral("(press any key to dismiss)"));
        QCOMPARE(n->hintLabel()->styleSheet(), TextStyle + QStringLiteral("font-size: 12px;"));
    }

    void guidanceFadesInWithTheLightBulb()
    {
        n->userGuideTextChanged(true, QStringLiteral("Extend the stabiliser"));
        QVERIFY(!n->isHidden());
        QCOMPARE(n->textLabel()->text(), LightBulb + QStringLiteral("Extend the stabiliser"));
        auto* effect = qobject_cast<QGraphicsOpacityEffect*>(n->graphicsEffect());
        QVERIFY(effect);
        QVERIFY(effect->opacity() < 1.0);
        QTRY_COMPARE_WITH_TIMEOUT(effect->opacity(), 1.0, 5000);
    }

    void subjectShowsAndWithdrawsTheGuidance()
    {
        evsIII->setCode(3);
        settle();
        QVERIFY(!n->isHidden());
        QVERIFY(n->textLabel()->text().startsWith(LightBulb));

        evsIII->setCode(0);
        settle();
        // Withdrawn with a fade: still up for the moment, gone afterwards.
        QVERIFY(!n->isHidden());
        QTRY_VERIFY_WITH_TIMEOUT(n->isHidden(), 5000);
    }

    void withdrawalWhileHiddenChangesNothing()
    {
        n->userGuideTextChanged(false, QString());
        QTest::qWait(Notification::FadeMs + 50);
        QVERIFY(n->isHidden());
        QCOMPARE(n->textLabel()->text(), QStringLiteral("--"));
    }

    void anyKeyDismisses_data()
    {
        QTest::addColumn<unsigned int>("key");
        QTest::newRow("left top") << 0u;
        QTest::newRow("left bottom") << 3u;
        QTest::newRow("right") << 6u;
    }

    void anyKeyDismisses()
    {
        QFETCH(unsigned int, key);
        n->userGuideTextChanged(true, QStringLiteral("x"));
        pressKey(key);
        QVERIFY(!n->isHidden());
        QTRY_VERIFY_WITH_TIMEOUT(n->isHidden(), 5000);
        // A key while hidden keeps it hidden.
        pressKey(key);
        QTest::qWait(Notification::FadeMs + 50);
        QVERIFY(n->isHidden());
    }

    void newGuidanceDuringTheFadeOutStaysUp()
    {
        n->userGuideTextChanged(true, QStringLiteral("a"));
        pressKey(1);
        n->userGuideTextChanged(true, QStringLiteral("b"));
        QTest::qWait(Notification::FadeMs * 2);
        QVERIFY(!n->isHidden());
        QCOMPARE(n->textLabel()->text(), LightBulb + QStringLiteral("b"));
    }

    void resizeMakesTheBandAndASquareIcon()
    {
        n->show(); // a hidden widget gets its resize event only when shown
        n->resize(480, 120);
        settle();
        QVERIFY(n->autoFillBackground());
        QVERIFY(n->styleSheet().startsWith(QStringLiteral("background-color: qlineargradient(")));
        QCOMPARE(n->iconLabel()->minimumSize(), QSize(90, 90));
        QCOMPARE(n->iconLabel()->maximumSize(), QSize(90, 90));

        // Lower than the icon's frame allowance: no negative size.
        n->resize(480, 20);
        settle();
        QCOMPARE(n->iconLabel()->maximumSize(), QSize(0, 0));
    }
};

QTEST_MAIN(EvsIIINotificationTest)
#include "evsiiinotificationtest.moc"
