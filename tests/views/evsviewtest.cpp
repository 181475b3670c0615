#include "app/ApplicationStartup.h"
#include "model/EvsSubject.h"
#include "model/UiGenerationSubject.h"
#include "ui/StyleSheets.h"
#include "views/BubbleLevel.h"
#include "views/EvsView.h"

#include <QLabel>
#include <QProgressBar>
#include <QtTest>

#include <memory>

namespace {

class FakeEvs : public EvsSubject {
public:
    FakeEvs()
        : EvsSubject(nullptr)
    {
    }
    float getEvsXpct() override { return x; }
    float getEvsYpct() override { return y; }
    float getEvsXdegress() override { return 0; }
    float getEvsYdegress() override { return 0; }
    float getEvsCalibrationLevel() override { return calibration; }
    bool isEvsValid() override { return valid; }

    float x = 0;
    float y = 0;
    float calibration = 0;
    bool valid = true;
};

const QString PlusEdge = QStringLiteral(
    "QProgressBar {border-top-left-radius: 0px; border-bottom-left-radius: 0px; border-left-width: 1px;}");
const QString MinusEdge = QStringLiteral(
    "QProgressBar {border-top-right-radius: 0px; border-bottom-right-radius: 0px; border-right-width: 1px;}");

} // namespace

class EvsViewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FakeEvs> evs;
    std::unique_ptr<UiGenerationSubject> generation;
    std::unique_ptr<EvsView> view;

    QProgressBar* bar(const char* name) { return view->findChild<QProgressBar*>(QLatin1String(name)); }
    QLabel* label(const char* name) { return view->findChild<QLabel*>(QLatin1String(name)); }

private slots:
    void initTestCase() { ApplicationStartup::loadResourcesAndFont(); }

    void init()
    {
        evs = std::make_unique<FakeEvs>();
        generation = std::make_unique<UiGenerationSubject>();
        view = std::make_unique<EvsView>(evs.get(), generation.get());
    }

    void cleanup()
    {
        view.reset();
        evs.reset();
        generation.reset();
    }

    void startsLevelWithAllBarsEmpty()
    {
        for (const char* name : {"progressBar_Xminus", "progressBar_Xplus", "progressBar_Yminus", "progressBar_Yplus"}) {
            QVERIFY2(bar(name), name);
            QCOMPARE(bar(name)->value(), 0);
            QVERIFY(bar(name)->styleSheet().startsWith(QStringLiteral(PROGRESSBAR_GREEN)));
        }
        QVERIFY(bar("progressBar_Xminus")->invertedAppearance());
        QVERIFY(!bar("progressBar_Xplus")->invertedAppearance());
        QVERIFY(bar("progressBar_Yplus")->styleSheet().endsWith(PlusEdge));
        QVERIFY(bar("progressBar_Yminus")->styleSheet().endsWith(MinusEdge));
    }

    void barsSplitAndColourByValue_data()
    {
        QTest::addColumn<float>("percent");
        QTest::addColumn<int>("minus");
        QTest::addColumn<int>("plus");
        QTest::addColumn<QString>("colour");
        QTest::newRow("-95.7 red on the minus side") << -95.7f << 95 << 0 << QStringLiteral(PROGRESSBAR_RED);
        QTest::newRow("250 capped at 100") << 250.0f << 0 << 100 << QStringLiteral(PROGRESSBAR_RED);
        QTest::newRow("-150 capped at -100") << -150.0f << 100 << 0 << QStringLiteral(PROGRESSBAR_RED);
        QTest::newRow("85 yellow") << 85.0f << 0 << 85 << QStringLiteral(PROGRESSBAR_YELLOW);
        QTest::newRow("79.9 truncates to green 79") << 79.9f << 0 << 79 << QStringLiteral(PROGRESSBAR_GREEN);
        QTest::newRow("80 yellow") << 80.0f << 0 << 80 << QStringLiteral(PROGRESSBAR_YELLOW);
        QTest::newRow("89 yellow") << 89.0f << 0 << 89 << QStringLiteral(PROGRESSBAR_YELLOW);
        QTest::newRow("90 red") << 90.0f << 0 << 90 << QStringLiteral(PROGRESSBAR_RED);
        QTest::newRow("-0.5 truncates to level") << -0.5f << 0 << 0 << QStringLiteral(PROGRESSBAR_GREEN);
        QTest::newRow("not a number reads level") << std::numeric_limits<float>::quiet_NaN() << 0 << 0
                                                  << QStringLiteral(PROGRESSBAR_GREEN);
    }

    void barsSplitAndColourByValue()
    {
        QFETCH(float, percent);
        QFETCH(int, minus);
        QFETCH(int, plus);
        QFETCH(QString, colour);

        view->evsXpctChanged(percent, true);
        QCOMPARE(bar("progressBar_Xminus")->value(), minus);
        QCOMPARE(bar("progressBar_Xplus")->value(), plus);
        QProgressBar* loaded = minus > 0 ? bar("progressBar_Xminus") : bar("progressBar_Xplus");
        QVERIFY2(loaded->styleSheet().startsWith(colour), qPrintable(loaded->styleSheet()));
        // The same value on Y drives the Y pair only.
        view->evsYpctChanged(percent, true);
        QCOMPARE(bar("progressBar_Yminus")->value(), minus);
        QCOMPARE(bar("progressBar_Yplus")->value(), plus);
    }

    void invalidValueGreysTextAndBarsWhichFollow()
    {
        view->evsXpctChanged(50, false);
        QVERIFY(!label("label_x")->isEnabled());
        QVERIFY(!label("label_xIcon")->isEnabled());
        QCOMPARE(bar("progressBar_Xplus")->value(), 50);
        QVERIFY(!bar("progressBar_Xplus")->isEnabled());
        QVERIFY(!bar("progressBar_Xminus")->isEnabled());
        QVERIFY(label("label_y")->isEnabled());
        QVERIFY(bar("progressBar_Yplus")->isEnabled());

        view->evsXpctChanged(50, true);
        QVERIFY(label("label_x")->isEnabled());
        QVERIFY(bar("progressBar_Xplus")->isEnabled());
    }

    void truckPicturesKeepTheirLabelSize()
    {
        view->evsXpctChanged(-95.7f, true);
        view->evsYpctChanged(250, true);
        QCOMPARE(label("truckfront")->size(), QSize(120, 141));
        // The front picture is cut back to its own size after turning.
        QCOMPARE(label("truckfront")->pixmap(Qt::ReturnByValue).size(), QSize(100, 100));
        QCOMPARE(label("truckside")->size(), QSize(300, 200));
        // Turned by 10 degrees the side picture's bounding box grows.
        QVERIFY(label("truckside")->pixmap(Qt::ReturnByValue).width() > 226);
        QVERIFY(label("truckside")->pixmap(Qt::ReturnByValue).height() > 100);
    }

    void followsSubjectOnlyWhileShown()
    {
        evs->x = -95.7f;
        evs->y = 12;
        evs->calibration = 42;
        view->onResume();
        QCOMPARE(bar("progressBar_Xminus")->value(), 95);
        QCOMPARE(bar("progressBar_Yplus")->value(), 12);
        QCOMPARE(label("label_x")->text(), QStringLiteral(" 96%"));
        QCOMPARE(label("CalibrationLevel")->text(), QStringLiteral(" 42%"));

        view->onSuspend();
        evs->x = 30;
        evs->notify();
        QCoreApplication::processEvents();
        QCOMPARE(bar("progressBar_Xminus")->value(), 95);
        QCOMPARE(evs->getNumberOfAttachedObservers(), 0);
    }

    void invalidCalibrationGreysCalibrationRow()
    {
        evs->valid = false;
        view->onResume();
        QVERIFY(!label("CalibrationLevel")->isEnabled());
        QVERIFY(!label("label")->isEnabled());
        QCOMPARE(label("CalibrationLevel")->text(), QStringLiteral(" -"));
    }
};

class BubbleLevelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ApplicationStartup::loadResourcesAndFont(); }

    void geometryOfA400x300Level()
    {
        BubbleLevel level(nullptr);
        QCOMPARE(level.size(), QSize(400, 300));
        QCOMPARE(level.dialSize(), 270);
        QCOMPARE(level.bubbleSize(), 63);
        QCOMPARE(level.travelLimit(), 101);
        QCOMPARE(level.bubbleRestPosition(), QPoint(169, 119));
        QCOMPARE(level.bubblePosition(), QPoint(169, 119));
    }

    void fullTiltStopsAtTheTravelLimitOnTheDiagonal()
    {
        BubbleLevel level(nullptr);
        level.setTiltXAxis(100);
        level.setTiltYAxis(100);
        QCOMPARE(level.tilt(), QPoint(125, 125));
        const QPoint offset = level.bubblePosition() - level.bubbleRestPosition();
        QCOMPARE(offset, QPoint(71, 71));
        QVERIFY(std::hypot(offset.x(), offset.y()) <= 101.0);
    }

    void smallTiltMovesFreelyAndSignsPointRightAndDown()
    {
        BubbleLevel level(nullptr);
        level.setTiltXAxis(50);
        QCOMPARE(level.bubblePosition() - level.bubbleRestPosition(), QPoint(62, 0));
        level.setTiltXAxis(-50);
        level.setTiltYAxis(40);
        QCOMPARE(level.bubblePosition() - level.bubbleRestPosition(), QPoint(-62, 50));
    }

    void resizeKeepsTheTiltAtTheNewScale()
    {
        BubbleLevel level(nullptr);
        level.show(); // a hidden widget gets its resize event only when shown
        level.setTiltXAxis(60);
        level.resize(200, 250);
        QCOMPARE(level.dialSize(), 180);
        QCOMPARE(level.bubbleSize(), 42);
        QCOMPARE(level.bubbleRestPosition(), QPoint(100 - 21, 125 - 21));
        // 60 % of the new travel (90 - 6 = 84 pixels), not the old one.
        QCOMPARE(level.tilt(), QPoint(50, 0));
        QCOMPARE(level.bubblePosition() - level.bubbleRestPosition(), QPoint(50, 0));
    }

    void circleLabelsSitBelowTheCentreInOrder()
    {
        BubbleLevel level(nullptr);
        level.setLabel25Pct(QStringLiteral("1°"));
        level.setLabel75Pct(QStringLiteral("3°"));
        level.grab(); // runs the paint event that places the labels
        auto* l25 = level.findChild<QLabel*>(QStringLiteral("label25"));
        auto* l50 = level.findChild<QLabel*>(QStringLiteral("label50"));
        auto* l75 = level.findChild<QLabel*>(QStringLiteral("label75"));
        QVERIFY(l25 && l50 && l75);
        QCOMPARE(l25->text(), QStringLiteral("1°"));
        QCOMPARE(l50->text(), QStringLiteral("50%"));
        QVERIFY(l25->geometry().center().y() > 150);
        QVERIFY(l50->geometry().center().y() > l25->geometry().center().y());
        QVERIFY(l75->geometry().center().y() > l50->geometry().center().y());
        QVERIFY(qAbs(l50->geometry().center().x() - 200) <= 1);
        QVERIFY(l75->styleSheet().contains(QStringLiteral("font-size: 22px;")));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int status = 0;
    {
        EvsViewTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        BubbleLevelTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}

#include "evsviewtest.moc"
