#include "app/ApplicationStartup.h"
#include "app/CenterViewFactory.h"
#include "model/EvsAvailableSubject.h"
#include "model/EvsIIISubject.h"
#include "model/UiGenerationSubject.h"
#include "model/UiModeSubject.h"
#include "platform/VemorRcSoftButtonSubject.h"
#include "support/TestSandbox.h"
#include "ui/EvsIIINotification.h"
#include "ui/ModeWidget.h"
#include "ui/SideMenu.h"
#include "ui/softButton.h"
#include "views/GstVideoStreamSubject.h"

#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QPointer>
#include <QtTest>

#include <memory>

namespace {

class TestEvsAvailable : public EvsAvailableSubject {
public:
    void set(bool a)
    {
        available = a;
        notify();
    }
};

class TestStream : public GstVideoStreamSubject {
public:
    TestStream()
        : GstVideoStreamSubject(nullptr, nullptr)
    {
    }
    void set(bool a)
    {
        on = a;
        notify();
    }
    // Availability alone, without Wi-Fi, camera flag and configuration file.
    bool isStreamingAvailable() override { return on; }

private:
    bool on = false;
};

class TestEvsIII : public EvsIIISubject {
public:
    evsError_t getEvsEngineError() override { return EVS_ERROR_NONE; }
    float getSlmLoad() override { return 0; }
};

} // namespace

// Drives the mode widget through its subjects where the path matters (keys,
// queued notifications) and reads the left menu the operator sees.
class ModeWidgetTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSandbox> sandbox;
    std::unique_ptr<VemorRcSoftButtonSubject> keys;
    std::unique_ptr<UiGenerationSubject> generation;
    std::unique_ptr<UiModeSubject> uiMode;
    std::unique_ptr<TestEvsAvailable> evs;
    std::unique_ptr<TestStream> stream;
    std::unique_ptr<TestEvsIII> evsIII;
    SideMenu* left = nullptr;
    SideMenu* right = nullptr;
    ModeWidget* mw = nullptr;

    void build()
    {
        mw = new ModeWidget(nullptr, left, right, keys.get(), generation.get(), uiMode.get(), evs.get(), stream.get());
    }

    void settle()
    {
        // Notifications queued by callbacks land in the following pass.
        for (int i = 0; i < 4; ++i)
            QCoreApplication::processEvents();
    }

    void enterMode(RclModeSubject::mode_t mode)
    {
        uiMode->isPairedChanged(true);
        uiMode->signalStrengthChanged(80);
        uiMode->rclColorDisplayDriverVersionChanged(2);
        uiMode->rclModeChanged(mode);
        settle();
    }

    // Whole key stroke through the subject, as the platform delivers it.
    void stroke(unsigned int key)
    {
        keys->setButtonState(0x80u >> key);
        settle();
        keys->setButtonState(0);
        settle();
    }

    QString iconName(int i)
    {
        const QPixmap p = left->button(i)->label()->pixmap(Qt::ReturnByValue);
        if (p.isNull())
            return QString();
        const QImage shown = p.toImage();
        if (shown == QPixmap(QStringLiteral(":/images/arrow_upAndDown.png")).toImage())
            return QStringLiteral("SWAP");
        static const QList<QPair<centerViewType_t, QString>> names = {
            {HDL_VIEW, "HDL"}, {EVS_VIEW, "EVS"}, {OVERVIEW_VIEW, "OVR"}, {SETTINGS_VIEW, "SET"},
            {STABILIZE_VIEW, "STB"}, {CAMERA_VIEW, "CAM"}};
        for (const auto& n : names)
            if (shown == CenterViewFactory::makeCenterViewIcon(n.first, generation->generation).toImage())
                return n.second;
        return QStringLiteral("?");
    }

    // One entry per button: icon name, "*" when drawn selected, "-" when inactive.
    QStringList menu()
    {
        QStringList out;
        for (int i = 0; i < 4; ++i) {
            softButton* b = left->button(i);
            if (!b->active())
                out << QStringLiteral("-");
            else
                out << iconName(i) + (b->selected() ? QStringLiteral("*") : QString());
        }
        return out;
    }

    int shownType() const { return mw->getCurrentViewType(); }

private slots:
    void initTestCase() { ApplicationStartup::loadResourcesAndFont(); }

    void init()
    {
        sandbox.reset(new TestSandbox);
        keys.reset(new VemorRcSoftButtonSubject);
        generation.reset(new UiGenerationSubject);
        generation->generation = UI_GEN3;
        uiMode.reset(new UiModeSubject(nullptr, nullptr, nullptr, nullptr, nullptr));
        evs.reset(new TestEvsAvailable);
        stream.reset(new TestStream);
        evsIII.reset(new TestEvsIII);
        CenterViewFactory::subjectEvsIII = evsIII.get();
        left = new SideMenu(nullptr, 0, 4);
        right = new SideMenu(nullptr, 1, 4);
        build();
    }

    void cleanup()
    {
        delete mw; // takes the side menus with it
        mw = nullptr;
        CenterViewFactory::subjectEvsIII = nullptr;
        evsIII.reset();
        stream.reset();
        evs.reset();
        uiMode.reset();
        generation.reset();
        keys.reset();
        sandbox.reset();
    }

    void formPlacesTheMenusAndTheCentre()
    {
        QCOMPARE(mw->objectName(), QStringLiteral("modewidget"));
        QVERIFY(!mw->findChild<QWidget*>(QStringLiteral("leftMenuPlaceholder")));
        QVERIFY(!mw->findChild<QWidget*>(QStringLiteral("rightMenuPlaceholder")));
        QCOMPARE(left->parentWidget(), mw);
        QCOMPARE(right->parentWidget(), mw);
        QVERIFY(mw->findChild<QLayout*>(QStringLiteral("verticalLayout_Center")));
        QCOMPARE(mw->getCurrentView()->parentWidget(), mw);
        // The first view is up before the widget is ever shown.
        QCOMPARE(shownType(), int(HDL_VIEW));
        QCOMPARE(menu(), QStringList({"HDL*", "OVR", "SET", "-"}));
    }

    void viewMenus_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("evsOn");
        QTest::addColumn<bool>("streamOn");
        QTest::addColumn<QStringList>("page1");
        QTest::addColumn<QStringList>("page2");
        QTest::newRow("crane") << int(RclModeSubject::MODE_CRANE) << false << false
                               << QStringList({"HDL*", "OVR", "SET", "-"}) << QStringList();
        QTest::newRow("crane evs") << int(RclModeSubject::MODE_CRANE) << true << false
                                   << QStringList({"HDL*", "EVS", "OVR", "SET"}) << QStringList();
        QTest::newRow("crane evs stream") << int(RclModeSubject::MODE_CRANE) << true << true
                                          << QStringList({"HDL*", "EVS", "OVR", "SWAP"})
                                          << QStringList({"CAM", "SET", "-", "SWAP"});
        QTest::newRow("crane stream") << int(RclModeSubject::MODE_CRANE) << false << true
                                      << QStringList({"HDL*", "OVR", "CAM", "SET"}) << QStringList();
        QTest::newRow("stab") << int(RclModeSubject::MODE_STAB) << true << true
                              << QStringList({"STB*", "SET", "-", "-"}) << QStringList();
    }

    void viewMenus()
    {
        QFETCH(int, mode);
        QFETCH(bool, evsOn);
        QFETCH(bool, streamOn);
        QFETCH(QStringList, page1);
        QFETCH(QStringList, page2);
        stream->set(streamOn);
        evs->set(evsOn);
        enterMode(static_cast<RclModeSubject::mode_t>(mode));
        mw->updateViewMenu();
        QCOMPARE(menu(), page1);
        QCOMPARE(mw->canSwapMenu(), !page2.isEmpty());
        if (page2.isEmpty())
            return;
        stroke(3);
        QCOMPARE(menu(), page2);
        stroke(3);
        QCOMPARE(menu(), page1);
    }

    void evsAvailabilityShiftsTheSelection()
    {
        enterMode(RclModeSubject::MODE_CRANE);
        stroke(1);
        QCOMPARE(shownType(), int(OVERVIEW_VIEW));

        // EVS takes slot 1: the index stays, so EVS comes on screen.
        evs->set(true);
        settle();
        QCOMPARE(mw->getCraneModeViews().views,
                 QList<centerViewType_t>({HDL_VIEW, EVS_VIEW, OVERVIEW_VIEW, SETTINGS_VIEW}));
        QCOMPARE(mw->getCraneModeViews().selected, 1u);
        QCOMPARE(shownType(), int(EVS_VIEW));
        QCOMPARE(menu(), QStringList({"HDL", "EVS*", "OVR", "SET"}));

        // Overview at index 2; EVS goes and index 2 now names settings.
        stroke(2);
        evs->set(false);
        settle();
        QCOMPARE(mw->getCraneModeViews().selected, 2u);
        QCOMPARE(shownType(), int(SETTINGS_VIEW));
        QCOMPARE(menu(), QStringList({"HDL", "OVR", "SET*", "-"}));

        // Settings last: pulled back to the new last index, settings again.
        evs->set(true);
        settle();
        stroke(3);
        QCOMPARE(shownType(), int(SETTINGS_VIEW));
        evs->set(false);
        settle();
        QCOMPARE(mw->getCraneModeViews().selected, 2u);
        QCOMPARE(shownType(), int(SETTINGS_VIEW));
    }

    void fiveViewsPageAndKeepTheSelection()
    {
        enterMode(RclModeSubject::MODE_CRANE);
        evs->set(true);
        stream->set(true);
        settle();
        QCOMPARE(mw->getCraneModeViews().views.size(), 5);
        mw->updateViewMenu();

        QPointer<CenterView> before = mw->getCurrentView();
        stroke(3);
        QCOMPARE(mw->getCraneModeViews().pageOffset, 3u);
        QCOMPARE(shownType(), int(HDL_VIEW));
        QVERIFY(!before); // rebuilt on every accepted press
        QCOMPARE(menu(), QStringList({"CAM", "SET", "-", "SWAP"}));

        // An empty slot keeps the selection, though the view is rebuilt.
        before = mw->getCurrentView();
        stroke(2);
        QVERIFY(!before);
        QCOMPARE(shownType(), int(HDL_VIEW));
        QCOMPARE(mw->getCraneModeViews().selected, 0u);

        stroke(0);
        QCOMPARE(shownType(), int(CAMERA_VIEW));
        QCOMPARE(menu(), QStringList({"CAM*", "SET", "-", "SWAP"}));

        // Back on page 1 nothing there is selected, and the arrow never is.
        stroke(3);
        QCOMPARE(mw->getCraneModeViews().pageOffset, 0u);
        QCOMPARE(shownType(), int(CAMERA_VIEW));
        QCOMPARE(menu(), QStringList({"HDL", "EVS", "OVR", "SWAP"}));
    }

    void streamingShowsAtTheNextRepaint()
    {
        enterMode(RclModeSubject::MODE_CRANE);
        stream->set(true);
        settle();
        QCOMPARE(mw->getCraneModeViews().views,
                 QList<centerViewType_t>({HDL_VIEW, OVERVIEW_VIEW, CAMERA_VIEW, SETTINGS_VIEW}));
        QCOMPARE(menu(), QStringList({"HDL*", "OVR", "SET", "-"}));
        generation->generation = UI_GEN1;
        generation->notify();
        settle();
        QCOMPARE(menu(), QStringList({"HDL*", "OVR", "CAM", "SET"}));
    }

    void stabiliserModeKeepsTheCraneSelection()
    {
        enterMode(RclModeSubject::MODE_CRANE);
        stroke(1);
        QCOMPARE(shownType(), int(OVERVIEW_VIEW));

        enterMode(RclModeSubject::MODE_STAB);
        QCOMPARE(shownType(), int(STABILIZE_VIEW));
        QCOMPARE(menu(), QStringList({"STB*", "SET", "-", "-"}));
        stroke(1);
        QCOMPARE(shownType(), int(SETTINGS_VIEW));

        enterMode(RclModeSubject::MODE_CRANE);
        QCOMPARE(shownType(), int(OVERVIEW_VIEW));
        QCOMPARE(menu(), QStringList({"HDL", "OVR*", "SET", "-"}));

        // Any other state keeps the list and rebuilds what it names.
        enterMode(RclModeSubject::MODE_SLEEP);
        QCOMPARE(mw->getActiveCollection(), &mw->getCraneModeViews());
        QCOMPARE(shownType(), int(OVERVIEW_VIEW));
    }

    void keysOutsideTheMenuAreIgnored()
    {
        enterMode(RclModeSubject::MODE_CRANE);
        stroke(1);
        QPointer<CenterView> shown = mw->getCurrentView();
        for (unsigned int key : {4u, 7u, 100u})
            mw->handleButtonPress(key);
        QVERIFY(shown && mw->getCurrentView() == shown);
        QCOMPARE(mw->getCraneModeViews().selected, 1u);
    }

    void overlayTakesTheKeys()
    {
        enterMode(RclModeSubject::MODE_CRANE);
        evs->set(true);
        stream->set(true);
        settle();
        EvsIIINotification* overlay = mw->getEvsIIINotification();
        QVERIFY(overlay);
        overlay->userGuideTextChanged(true, QStringLiteral("Lower the boom"));
        QVERIFY(!overlay->isHidden());

        QPointer<CenterView> shown = mw->getCurrentView();
        keys->setButtonState(0x80u >> 1);
        settle();
        // The press dismisses the overlay but neither moves the view nor the page...
        QVERIFY(shown && mw->getCurrentView() == shown);
        QCOMPARE(mw->getCraneModeViews().selected, 0u);
        // ...while the key's frame still follows the finger.
        QVERIFY(left->button(1)->pressed());
        keys->setButtonState(0);
        settle();
        QVERIFY(!left->button(1)->pressed());

        // Still fading out: a second key is swallowed as well.
        QVERIFY(!overlay->isHidden());
        stroke(3);
        QCOMPARE(mw->getCraneModeViews().pageOffset, 0u);

        QTRY_VERIFY_WITH_TIMEOUT(overlay->isHidden(), 5000);
        stroke(1);
        QCOMPARE(shownType(), int(EVS_VIEW));
    }

    void overlayCoversTheBottomQuarter()
    {
        mw->show();
        QVERIFY(QTest::qWaitForWindowExposed(mw));
        mw->resize(480, 272);
        settle();
        EvsIIINotification* overlay = mw->getEvsIIINotification();
        QCOMPARE(overlay->geometry(), QRect(0, 152, 480, 120));

        mw->resize(700, 294);
        settle();
        QCOMPARE(overlay->geometry(), QRect(0, 294 - 175, 700, 175));

        // Kept above a view built later.
        overlay->userGuideTextChanged(true, QStringLiteral("x"));
        QTRY_VERIFY_WITH_TIMEOUT(overlay->isVisible(), 5000);
        mw->changeCenterWidget();
        const QList<QObject*> kids = mw->children();
        QVERIFY(kids.indexOf(overlay) > kids.indexOf(mw->getCurrentView()));
    }

    void swapPressLeavesTheViewOnDisplay()
    {
        // Settings shown at the end of a four-view list, then the camera
        // joins in front of it and the operator turns the page.
        enterMode(RclModeSubject::MODE_CRANE);
        evs->set(true);
        settle();
        stroke(3);
        QCOMPARE(shownType(), int(SETTINGS_VIEW));
        QCOMPARE(menu(), QStringList({"HDL", "EVS", "OVR", "SET*"}));

        stream->set(true);
        settle();
        QCOMPARE(mw->getCraneModeViews().selected, 4u);
        QCOMPARE(shownType(), int(SETTINGS_VIEW));

        stroke(3);
        QCOMPARE(shownType(), int(SETTINGS_VIEW));
        QCOMPARE(menu(), QStringList({"CAM", "SET*", "-", "SWAP"}));
        QVERIFY(!left->button(3)->selected());

        stroke(3);
        QCOMPARE(menu(), QStringList({"HDL", "EVS", "OVR", "SWAP"}));
        QVERIFY(!left->button(3)->selected());
    }

    void cameraRemovalKeepsTheSelectionNamed()
    {
        enterMode(RclModeSubject::MODE_CRANE);
        evs->set(true);
        stream->set(true);
        settle();
        stroke(3);
        stroke(1); // settings, behind the camera
        QCOMPARE(mw->getCraneModeViews().selected, 4u);
        stream->set(false);
        settle();
        QCOMPARE(mw->getCraneModeViews().selected, 3u);
        stroke(3); // page back; the view must stay settings
        QCOMPARE(shownType(), int(SETTINGS_VIEW));

        // The camera itself on display: fall back to what takes its index.
        stream->set(true);
        settle();
        stroke(3);
        stroke(0);
        QCOMPARE(shownType(), int(CAMERA_VIEW));
        stream->set(false);
        settle();
        QCOMPARE(mw->getCraneModeViews().selected, 3u);
        QCOMPARE(mw->getCraneModeViews().views.at(3), SETTINGS_VIEW);

        // Changes while the stabiliser list shows still follow the crane selection.
        stream->set(true);
        settle();
        enterMode(RclModeSubject::MODE_STAB);
        stream->set(false);
        settle();
        stream->set(true);
        settle();
        enterMode(RclModeSubject::MODE_CRANE);
        QCOMPARE(shownType(), int(SETTINGS_VIEW));
    }

    void removeViewClampsAndIgnoresStrangers()
    {
        ModeWidget::centerViewCollection_t c;
        c.views = {HDL_VIEW, OVERVIEW_VIEW, SETTINGS_VIEW};
        c.selected = 2;
        mw->removeView(&c, INFO_VIEW);
        QCOMPARE(c.views.size(), 3);
        QCOMPARE(c.selected, 2u);
        mw->removeView(&c, OVERVIEW_VIEW);
        QCOMPARE(c.selected, 1u);
        mw->removeView(&c, HDL_VIEW);
        mw->removeView(&c, SETTINGS_VIEW);
        QVERIFY(c.views.isEmpty());
        QCOMPARE(c.selected, 0u);
        mw->removeView(nullptr, HDL_VIEW);
    }

    void fadeoutHidesTheWholeScreen()
    {
        mw->show();
        QSignalSpy hidden(mw, &ModeWidget::widgetHidden);
        mw->fadeout(20);
        QVERIFY(!mw->isHidden());
        QTRY_COMPARE_WITH_TIMEOUT(hidden.count(), 1, 5000);
        QVERIFY(mw->isHidden());
        mw->fadein(20);
        QVERIFY(!mw->isHidden());
    }
};

QTEST_MAIN(ModeWidgetTest)
#include "modewidgettest.moc"
