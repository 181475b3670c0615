#include "CraneViewFakes.h"

#include "app/ApplicationStartup.h"
#include "model/FlyjibAvailableSubject.h"
#include "model/FunctionStateSubject.h"
#include "model/RegeneraitonAvailableSubject.h"
#include "model/UiGenerationSubject.h"
#include "model/WinchAvailableSubject.h"
#include "ui/StyleSheets.h"
#include "views/CraneHdlModel.h"
#include "views/CraneWithFlyjibHdlModel.h"
#include "views/HdlView.h"

#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QtTest>

#include <memory>

namespace {
constexpr int FadeTimeout = 5000;

const QString CraneLoadAlone = QStringLiteral(
    "QProgressBar {border-bottom-left-radius: 0px;  border-bottom-right-radius: 0px; border-bottom-width: 1px;}");
const QString CraneLoadBeside =
    QStringLiteral("QProgressBar {border-bottom-left-radius: 0px; border-top-right-radius: 0px; "
                   "border-bottom-right-radius: 0px; border-right-width: 1px; border-bottom-width: 1px;}");
const QString CraneStrengthAlone = QStringLiteral(
    "QProgressBar {border-top-left-radius: 0px;  border-top-right-radius: 0px; border-top-width: 1px;}");
const QString CraneStrengthBeside =
    QStringLiteral("QProgressBar {border-top-left-radius: 0px; border-top-right-radius: 0px; "
                   "border-bottom-right-radius: 0px; border-right-width: 1px; border-top-width: 1px;}");
const QString MiddleLoad = QStringLiteral(
    "QProgressBar {border-radius: 0px; border-left-width: 1px; border-right-width: 1px; border-bottom-width: 1px;}");
const QString RightLoad =
    QStringLiteral("QProgressBar {border-bottom-right-radius: 0px; border-top-left-radius: 0px; "
                   "border-bottom-left-radius: 0px; border-left-width: 1px; border-bottom-width: 1px;}");

QImage picture(const QString& path)
{
    return QPixmap(path).toImage();
}
QImage shown(QLabel* label)
{
    return label->pixmap(Qt::ReturnByValue).toImage();
}
} // namespace

class HdlViewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ApplicationStartup::loadResourcesAndFont();
        language.reset(makeTestLanguage(sandbox));
        QCOMPARE(language->getText(52), QStringLiteral("Crane"));
    }

    void init()
    {
        winch = std::make_unique<WinchAvailableSubject>();
        flyjib = std::make_unique<FlyjibAvailableSubject>();
        loads = std::make_unique<FakeLoads>();
        functions = std::make_unique<FunctionStateSubject>(nullptr, nullptr, nullptr);
        regenAvailable = std::make_unique<RegeneraitonAvailableSubject>();
        regenMode = std::make_unique<FakeRegenMode>();
        generation = std::make_unique<UiGenerationSubject>();
    }

    void cleanup()
    {
        view.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void buildsTitledViewWithOneCranePicture()
    {
        makeView();
        QCOMPARE(view->getTitle(), QStringLiteral("HDL"));
        QVERIFY(!view->getIcon().isNull());
        settle();
        QCOMPARE(modelsInLayout(), 1);
        QVERIFY(qobject_cast<CraneHdlModel*>(view->getCurrentModel()));
        QCOMPARE(view->findChildren<HdlModel*>().size(), 1);
        QVERIFY(bar("progressBar_CraneLoad")->isVisible());
        QVERIFY(!bar("progressBar_FlydibLoad")->isVisible());
        QVERIFY(!bar("progressBar_WinchDerate")->isVisible());
    }

    void loadBarColours_data()
    {
        QTest::addColumn<float>("load");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<int>("value");
        QTest::newRow("59 green") << 59.f << QStringLiteral(PROGRESSBAR_GREEN) << 59;
        QTest::newRow("60 yellow") << 60.f << QStringLiteral(PROGRESSBAR_YELLOW) << 60;
        QTest::newRow("99.9 yellow") << 99.9f << QStringLiteral(PROGRESSBAR_YELLOW) << 99;
        QTest::newRow("100 red") << 100.f << QStringLiteral(PROGRESSBAR_RED) << 100;
        QTest::newRow("130 red full") << 130.f << QStringLiteral(PROGRESSBAR_RED) << 100;
    }

    void loadBarColours()
    {
        QFETCH(float, load);
        QFETCH(QString, colour);
        QFETCH(int, value);
        loads->craneLoad = load;
        makeView();
        view->onResume();
        QCOMPARE(bar("progressBar_CraneLoad")->styleSheet(), colour + CraneLoadAlone);
        QCOMPARE(bar("progressBar_CraneLoad")->value(), value);
        QCOMPARE(bar("progressBar_CraneLoad")->format(),
                 QStringLiteral("Crane: ") + QString::number(static_cast<double>(load)) + QLatin1Char('%'));
    }

    void strengthBarColours_data()
    {
        QTest::addColumn<float>("strength");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<int>("value");
        QTest::newRow("0 red") << 0.f << QStringLiteral(PROGRESSBAR_RED) << 0;
        QTest::newRow("0.9 red") << 0.9f << QStringLiteral(PROGRESSBAR_RED) << 0;
        QTest::newRow("1 yellow") << 1.f << QStringLiteral(PROGRESSBAR_YELLOW) << 1;
        QTest::newRow("40 yellow") << 40.f << QStringLiteral(PROGRESSBAR_YELLOW) << 40;
        QTest::newRow("41 green") << 41.f << QStringLiteral(PROGRESSBAR_GREEN) << 41;
        QTest::newRow("120 green full") << 120.f << QStringLiteral(PROGRESSBAR_GREEN) << 100;
    }

    void strengthBarColours()
    {
        QFETCH(float, strength);
        QFETCH(QString, colour);
        QFETCH(int, value);
        makeView();
        view->craneStrengthChanged(strength);
        QCOMPARE(bar("progressBar_CraneDerate")->styleSheet(), colour + CraneStrengthAlone);
        QCOMPARE(bar("progressBar_CraneDerate")->value(), value);
        QVERIFY(bar("progressBar_CraneDerate")->format().startsWith(QStringLiteral("Strength: ")));
    }

    // The bars' own colours stay in their style sheets; an invalid value
    // disables its bar, which then draws grey.
    void invalidValuesDisableTheirBars()
    {
        winch->available = true;
        loads->loadValid = loads->strengthValid = false;
        makeView();
        view->onResume();
        const char* const loadBars[] = {"progressBar_CraneLoad", "progressBar_WinchLoad"};
        const char* const strengthBars[] = {"progressBar_CraneDerate", "progressBar_WinchDerate"};
        for (const char* name : loadBars)
            QVERIFY2(!bar(name)->isEnabled(), name);
        for (const char* name : strengthBars)
            QVERIFY2(!bar(name)->isEnabled(), name);

        loads->loadValid = true;
        loads->notify();
        QTRY_VERIFY(bar("progressBar_CraneLoad")->isEnabled());
        QVERIFY(bar("progressBar_WinchLoad")->isEnabled());
        QVERIFY(!bar("progressBar_CraneDerate")->isEnabled());

        loads->strengthValid = true;
        loads->notify();
        QTRY_VERIFY(bar("progressBar_CraneDerate")->isEnabled());
        QVERIFY(bar("progressBar_WinchDerate")->isEnabled());
    }

    void winchSquaresTheCraneBarsFromTheNextUpdate()
    {
        loads->craneLoad = 10;
        makeView();
        view->onResume();
        QCOMPARE(bar("progressBar_CraneLoad")->format(), QStringLiteral("Crane: 10%"));

        winch->available = true;
        winch->notify();
        QTRY_VERIFY(!bar("progressBar_WinchLoad")->isHidden());
        QVERIFY(!bar("progressBar_WinchDerate")->isHidden());
        QVERIFY(bar("progressBar_CraneLoad")->styleSheet().endsWith(CraneLoadAlone));

        view->craneLoadChanged(20, true);
        QCOMPARE(bar("progressBar_CraneLoad")->styleSheet(), QStringLiteral(PROGRESSBAR_GREEN) + CraneLoadBeside);
        QCOMPARE(bar("progressBar_CraneLoad")->format(), QStringLiteral("Crane beside: 10%"));
        view->craneStrengthChanged(50);
        QCOMPARE(bar("progressBar_CraneDerate")->styleSheet(),
                 QStringLiteral(PROGRESSBAR_GREEN) + CraneStrengthBeside);
        view->winchLoadChanged(70, true);
        QCOMPARE(bar("progressBar_WinchLoad")->styleSheet(), QStringLiteral(PROGRESSBAR_YELLOW) + RightLoad);
        QVERIFY(bar("progressBar_WinchLoad")->format().startsWith(QStringLiteral("Winch: ")));
    }

    void flyjibBarSitsBetweenCraneAndWinch()
    {
        flyjib->available = true;
        makeView();
        view->flyjibLoadChanged(5, true);
        QCOMPARE(bar("progressBar_FlydibLoad")->styleSheet(), QStringLiteral(PROGRESSBAR_GREEN) + RightLoad);
        QVERIFY(bar("progressBar_FlydibLoad")->format().startsWith(QStringLiteral("Flyjib: ")));
        view->winchAvailableChanged(true);
        view->flyjibLoadChanged(5, true);
        QCOMPARE(bar("progressBar_FlydibLoad")->styleSheet(), QStringLiteral(PROGRESSBAR_GREEN) + MiddleLoad);
    }

    void arrowsFollowFunctionStates()
    {
        makeView();
        settle();
        HdlModel* model = view->getCurrentModel();
        auto* arrow = model->findChild<QLabel*>(QStringLiteral("ArrowJoint3down"));
        QVERIFY(arrow);
        const QString base = QStringLiteral(":/images/hdl/standard/ArrowJoint3down");
        QCOMPARE(shown(arrow), picture(base + QStringLiteral("Green.png")));
        view->functionStateChanged(FUNCTION_JOINT3_DOWN, FUNCTION_STATE_DERATED);
        QCOMPARE(shown(arrow), picture(base + QStringLiteral("Yellow.png")));
        view->functionStateChanged(FUNCTION_JOINT3_DOWN, FUNCTION_STATE_HDL);
        QCOMPARE(shown(arrow), picture(base + QStringLiteral("Yellow.png")));
        view->functionStateChanged(FUNCTION_JOINT3_DOWN, FUNCTION_STATE_BLOCKED);
        QCOMPARE(shown(arrow), picture(base + QStringLiteral("Red.png")));
        view->functionStateChanged(FUNCTION_JOINT3_DOWN, static_cast<functionState_t>(4));
        QCOMPARE(shown(arrow), picture(base + QStringLiteral("Blue.png")));
        view->functionStateChanged(FUNCTION_JOINT3_DOWN, static_cast<functionState_t>(5));
        view->functionStateChanged(FUNCTION_JOINT3_DOWN, static_cast<functionState_t>(-1));
        QCOMPARE(shown(arrow), picture(base + QStringLiteral("Blue.png")));

        // Flyjib joints, the winch and unknown ids have no arrow on this picture.
        for (int id : {8, 9, 10, 11, 12, 17, 18, -1, 1000})
            view->functionStateChanged(static_cast<functionID_t>(id), FUNCTION_STATE_BLOCKED);
        QVERIFY(!model->findChild<QLabel*>(QStringLiteral("ArrowJoint5up")));
    }

    void flyjibSwapBringsFlyjibArrowsAndRestoresStates()
    {
        regenAvailable->available = true;
        regenMode->mode = 1;
        makeView();
        view->onResume();
        settle();
        functions->blockedFunctionChanged(FUNCTION_JOINT5_UP, true);
        view->functionStateChanged(FUNCTION_JOINT5_UP, FUNCTION_STATE_BLOCKED); // ignored before the swap

        flyjib->available = true;
        flyjib->notify();
        QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<CraneWithFlyjibHdlModel*>(view->getCurrentModel()), FadeTimeout);
        settle();
        HdlModel* model = view->getCurrentModel();
        QCOMPARE(model->objectName(), QStringLiteral("hdlModel"));
        QVERIFY(!bar("progressBar_FlydibLoad")->isHidden());
        auto* arrow = model->findChild<QLabel*>(QStringLiteral("ArrowJoint5up"));
        QVERIFY(arrow);
        QCOMPARE(shown(arrow), picture(QStringLiteral(":/images/hdl/withFlyjib/ArrowJoint5upRed.png")));
        view->functionStateChanged(FUNCTION_JOINT6_COMPRESS, FUNCTION_STATE_DERATED);
        QCOMPARE(shown(model->findChild<QLabel*>(QStringLiteral("ArrowJoint6compress"))),
                 picture(QStringLiteral(":/images/hdl/withFlyjib/ArrowJoint6compressYellow.png")));

        // Regeneration state carried over to the new picture.
        QVERIFY(!model->findChild<QLabel*>(QStringLiteral("RegenExt"))->isHidden());
        QVERIFY(model->findChild<QLabel*>(QStringLiteral("RegenExt"))->isEnabled());
        QVERIFY(!model->findChild<QLabel*>(QStringLiteral("RegenBoom"))->isEnabled());
        QCOMPARE(modelsInLayout(), 1);
        QCOMPARE(view->findChildren<HdlModel*>().size(), 1);
    }

    void regenerationModes_data()
    {
        QTest::addColumn<bool>("available");
        QTest::addColumn<unsigned int>("mode");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("boom");
        QTest::addColumn<bool>("jib");
        QTest::addColumn<bool>("ext");
        QTest::newRow("mode 0") << true << 0u << true << false << false << false;
        QTest::newRow("mode 1") << true << 1u << true << false << false << true;
        QTest::newRow("mode 2") << true << 2u << true << true << true << true;
        QTest::newRow("mode 9 keeps previous (mode 2)") << true << 9u << true << true << true << true;
        QTest::newRow("not available") << false << 2u << false << true << true << true;
    }

    void regenerationModes()
    {
        QFETCH(bool, available);
        QFETCH(unsigned int, mode);
        QFETCH(bool, visible);
        QFETCH(bool, boom);
        QFETCH(bool, jib);
        QFETCH(bool, ext);
        makeView();
        settle();
        HdlModel* model = view->getCurrentModel();
        auto* boomLabel = model->findChild<QLabel*>(QStringLiteral("RegenBoom"));
        QVERIFY(boomLabel->isHidden());
        regenMode->mode = 2;
        view->onResume();
        regenAvailable->available = available;
        regenMode->mode = mode;
        regenAvailable->notify();
        regenMode->notify();
        QCoreApplication::processEvents();
        QCOMPARE(!boomLabel->isHidden(), visible);
        QCOMPARE(boomLabel->isEnabled(), boom);
        QCOMPARE(model->findChild<QLabel*>(QStringLiteral("RegenJib"))->isEnabled(), jib);
        QCOMPARE(model->findChild<QLabel*>(QStringLiteral("RegenExt"))->isEnabled(), ext);
        model->setRegenActive(static_cast<HdlModel::regenFunction_t>(3), false); // ignored
    }

    // Changes arriving while a swap is fading: one picture in the end, the
    // one of the last state, and every replaced picture deleted exactly once.
    void flyjibChangesInsideTheFade_data()
    {
        QTest::addColumn<QList<int>>("changes");
        QTest::newRow("on, off") << QList<int>{1, 0};
        QTest::newRow("on, off, on") << QList<int>{1, 0, 1};
        QTest::newRow("on, off, on, off, on") << QList<int>{1, 0, 1, 0, 1};
    }

    void flyjibChangesInsideTheFade()
    {
        QFETCH(QList<int>, changes);
        makeView();
        settle();
        int created = 0;
        int destroyed = 0;
        QObject counting; // ends the counting connections with this function
        QList<QPointer<HdlModel>> seen;
        auto track = [&](HdlModel* m) {
            if (!m || seen.contains(QPointer<HdlModel>(m)))
                return;
            seen.append(m);
            ++created;
            connect(m, &QObject::destroyed, &counting, [&destroyed] { ++destroyed; });
        };
        track(view->getCurrentModel());
        for (int on : changes) {
            view->flyjibAvailableChanged(on != 0);
            track(view->getPendingModel());
            QTest::qWait(20); // well inside the 200 ms fade-out
        }
        settle();
        const bool last = changes.last() != 0;
        QCOMPARE(modelsInLayout(), 1);
        QCOMPARE(view->findChildren<HdlModel*>().size(), 1);
        QCOMPARE(qobject_cast<CraneWithFlyjibHdlModel*>(view->getCurrentModel()) != nullptr, last);
        QVERIFY(!view->getPendingModel());
        QCOMPARE(destroyed, created - 1);
        view->functionStateChanged(FUNCTION_JOINT1_UP, FUNCTION_STATE_BLOCKED);
    }

    void flyjibChangeDuringFadeInAndViewDeletedMidFade()
    {
        makeView();
        settle();
        view->flyjibAvailableChanged(true);
        QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<CraneWithFlyjibHdlModel*>(view->getCurrentModel()), FadeTimeout);
        view->flyjibAvailableChanged(false); // new picture still fading in
        settle();
        QCOMPARE(modelsInLayout(), 1);
        QVERIFY(qobject_cast<CraneHdlModel*>(view->getCurrentModel()));

        view->flyjibAvailableChanged(true);
        QPointer<HdlModel> fading = view->getCurrentModel();
        QPointer<HdlModel> waiting = view->getPendingModel();
        view.reset();
        QVERIFY(fading.isNull());
        QVERIFY(waiting.isNull());
        QTest::qWait(300); // the stopped fade must not call back into anything
    }

private:
    void makeView()
    {
        view = std::make_unique<HdlView>(winch.get(), flyjib.get(), loads.get(), functions.get(),
                                         regenAvailable.get(), regenMode.get(), generation.get(), language.get());
        view->resize(380, 240);
        view->show();
    }
    // Lets every running swap finish and the replaced pictures go.
    void settle()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!view->getPendingModel(), FadeTimeout);
        QTest::qWait(250);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    int modelsInLayout() const
    {
        auto* grid = view->findChild<QGridLayout*>(QStringLiteral("mainlayout"));
        int n = 0;
        for (int i = 0; grid && i < grid->count(); ++i)
            if (qobject_cast<HdlModel*>(grid->itemAt(i)->widget()))
                ++n;
        return n;
    }
    QProgressBar* bar(const char* name) const { return view->findChild<QProgressBar*>(QLatin1String(name)); }

    TestSandbox sandbox;
    std::unique_ptr<LanguageSubject> language;
    std::unique_ptr<WinchAvailableSubject> winch;
    std::unique_ptr<FlyjibAvailableSubject> flyjib;
    std::unique_ptr<FakeLoads> loads;
    std::unique_ptr<FunctionStateSubject> functions;
    std::unique_ptr<RegeneraitonAvailableSubject> regenAvailable;
    std::unique_ptr<FakeRegenMode> regenMode;
    std::unique_ptr<UiGenerationSubject> generation;
    std::unique_ptr<HdlView> view;
};

QTEST_MAIN(HdlViewTest)
#include "hdlviewtest.moc"
