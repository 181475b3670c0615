#include "app/ApplicationStartup.h"
#include "app/CenterViewFactory.h"
#include "ui/CenterView.h"
#include "ui/Icons.h"
#include "ui/Notification.h"

#include <QGraphicsOpacityEffect>
#include <QPropertyAnimation>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Counts the hooks so the order of show/hide and hook can be checked.
class HookView : public CenterView {
public:
    int resumed = 0;
    int suspended = 0;
    bool visibleAtResume = false;
    bool visibleAtSuspend = false;
    void onResume() override
    {
        ++resumed;
        visibleAtResume = isVisible();
    }
    void onSuspend() override
    {
        ++suspended;
        visibleAtSuspend = isVisible();
    }
};

} // namespace

class CenterViewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplicationStartup::loadResourcesAndFont(); }

    void showAndHideRunTheHooksAroundVisibility()
    {
        HookView v;
        QSignalSpy hidden(&v, &CenterView::widgetHidden);
        v.showWidget();
        QCOMPARE(v.resumed, 1);
        QVERIFY(v.visibleAtResume);
        QCOMPARE(v.suspended, 0);

        v.hideWidget();
        QCOMPARE(v.suspended, 1);
        // The view still shows while it suspends, so it can stop what it started.
        QVERIFY(v.visibleAtSuspend);
        QVERIFY(v.isHidden());
        QCOMPARE(hidden.count(), 1);
    }

    void fadeoutHidesOnceWhenTheAnimationEnds()
    {
        HookView v;
        v.showWidget();
        QSignalSpy hidden(&v, &CenterView::widgetHidden);
        v.fadeout(30);
        QVERIFY(!v.isHidden());
        QCOMPARE(v.suspended, 0);
        QTRY_COMPARE_WITH_TIMEOUT(hidden.count(), 1, 5000);
        QVERIFY(v.isHidden());
        QCOMPARE(v.suspended, 1);
        QTest::qWait(60);
        QCOMPARE(hidden.count(), 1);
    }

    void zeroLengthFadeoutStillHides()
    {
        HookView v;
        v.showWidget();
        QSignalSpy hidden(&v, &CenterView::widgetHidden);
        v.fadeout(0);
        QTRY_COMPARE_WITH_TIMEOUT(hidden.count(), 1, 5000);
        QVERIFY(v.isHidden());
    }

    void fadeinShowsAndResumesAtOnce()
    {
        HookView v;
        v.fadein(30);
        QVERIFY(!v.isHidden());
        QCOMPARE(v.resumed, 1);
        auto* effect = qobject_cast<QGraphicsOpacityEffect*>(v.graphicsEffect());
        QVERIFY(effect);
        QTRY_COMPARE_WITH_TIMEOUT(effect->opacity(), 1.0, 5000);
    }

    void fadeinDuringFadeoutKeepsTheViewUp()
    {
        // The later fade wins: a pending fade-out must not hide a view that
        // was faded back in meanwhile.
        HookView v;
        v.showWidget();
        QSignalSpy hidden(&v, &CenterView::widgetHidden);
        v.fadeout(100);
        v.fadein(10);
        QTest::qWait(250);
        QCOMPARE(hidden.count(), 0);
        QVERIFY(!v.isHidden());
    }

    void hugeDurationIsNotRefused()
    {
        HookView v;
        v.fadein(0xFFFFFFFFu);
        QVERIFY(!v.isHidden());
        auto* effect = qobject_cast<QGraphicsOpacityEffect*>(v.graphicsEffect());
        QVERIFY(effect);
        auto* animation = effect->findChild<QPropertyAnimation*>();
        QVERIFY(animation);
        QVERIFY(animation->duration() > 0);
    }

    void notificationFadeoutEndsHidden()
    {
        Notification n;
        n.show();
        n.fadeout();
        QVERIFY(!n.isHidden());
        QTRY_VERIFY_WITH_TIMEOUT(n.isHidden(), 5000);
    }

    void factoryBuildsNothingForUnknownTypes()
    {
        for (int raw : {-1, 7, 1000}) {
            const auto type = static_cast<centerViewType_t>(raw);
            QVERIFY2(!CenterViewFactory::makeCenterView(type), qPrintable(QString::number(raw)));
            QVERIFY(CenterViewFactory::makeCenterViewIcon(type, UI_GEN3).isNull());
        }
    }

    void menuIconsFollowTheGeneration_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("generation");
        QTest::addColumn<QString>("path");
        QTest::newRow("hdl gen1") << int(HDL_VIEW) << int(UI_GEN1) << Icons::getPath(UI_GEN1, ICON_CRANE);
        QTest::newRow("hdl gen2 uses gen1 set") << int(HDL_VIEW) << int(UI_GEN2) << Icons::getPath(UI_GEN1, ICON_CRANE);
        QTest::newRow("hdl gen3") << int(HDL_VIEW) << int(UI_GEN3) << Icons::getPath(UI_GEN3, ICON_CRANE);
        QTest::newRow("evs gen1") << int(EVS_VIEW) << int(UI_GEN1) << Icons::getPath(UI_GEN1, ICON_EVS);
        QTest::newRow("stab gen3") << int(STABILIZE_VIEW) << int(UI_GEN3) << Icons::getPath(UI_GEN3, ICON_STAB);
        QTest::newRow("overview") << int(OVERVIEW_VIEW) << int(UI_GEN1) << QStringLiteral(":/images/Logoes/Overview_50x50.png");
        QTest::newRow("settings") << int(SETTINGS_VIEW) << int(UI_GEN3) << QStringLiteral(":/images/Logoes/settings.png");
        QTest::newRow("info") << int(INFO_VIEW) << int(UI_GEN3) << QStringLiteral(":/images/Logoes/info.png");
        QTest::newRow("camera") << int(CAMERA_VIEW) << int(UI_GEN1) << QStringLiteral(":/images/Logoes/Camera_50x50.png");
    }

    void menuIconsFollowTheGeneration()
    {
        QFETCH(int, type);
        QFETCH(int, generation);
        QFETCH(QString, path);
        const QPixmap icon = CenterViewFactory::makeCenterViewIcon(static_cast<centerViewType_t>(type),
                                                                   static_cast<uiGenerations_t>(generation));
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.toImage(), QImage(path).convertToFormat(icon.toImage().format()));
    }
};

QTEST_MAIN(CenterViewTest)
#include "centerviewtest.moc"
