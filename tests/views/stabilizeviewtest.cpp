#include "app/ApplicationStartup.h"
#include "core/OscillatorSubject.h"
#include "model/EvsAvailableSubject.h"
#include "model/InclinationSubject.h"
#include "model/StabIndicationSubject.h"
#include "model/UiGenerationSubject.h"
#include "model/stabActiveSideSubject.h"
#include "views/Arrow.h"
#include "views/BubbleLevel.h"
#include "views/ColorIndicator.h"
#include "views/StabilizeView.h"
#include "views/StabilizersSideBack.h"

#include <QLabel>
#include <QtTest>

#include <memory>

namespace {

class FakeEvsAvailable : public EvsAvailableSubject {
public:
    void set(bool a)
    {
        available = a;
        notify();
    }
};

class FakeInclination : public InclinationSubject {
public:
    float getInclinationXdegress() override { return x; }
    float getInclinationYdegress() override { return y; }
    float x = 0;
    float y = 0;
};

class FakeActiveSide : public stabActiveSideSubject {
public:
    activeStabSide_t getActiveSide() override { return side; }
    activeStabSide_t side = STAB_SIDE_NONE;
};

class FakeIndication : public StabIndicationSubject {
public:
    bool isStabIndicatorEnabled(stab_t s) override { return enabled[s]; }
    bool getStabIndication(stab_t s) override { return set[s]; }
    bool stabErrorIndication() override { return false; }
    bool isExtraStabEnabled() override { return extra; }
    bool enabled[NumberOfStabs] = {};
    bool set[NumberOfStabs] = {};
    bool extra = false;
};

// One tick of the shared blink clock, delivered.
void tick(OscillatorSubject& clock)
{
    clock.oscilate800ms();
    QCoreApplication::processEvents();
}

} // namespace

class StabilizeViewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<OscillatorSubject> clock;
    std::unique_ptr<FakeEvsAvailable> evsAvailable;
    std::unique_ptr<FakeInclination> inclination;
    std::unique_ptr<FakeActiveSide> side;
    std::unique_ptr<FakeIndication> indication;
    std::unique_ptr<UiGenerationSubject> generation;
    std::unique_ptr<StabilizeView> view;

    Arrow* arrow(StabilizersSideBack::arrow_t a) { return view->truck()->arrow(a); }
    // Pixels of the bubble's travel for a tilt in percent, as the level computes them.
    int tiltPixels(int percent)
    {
        const int s = view->bubbleLevel()->dialSize();
        return static_cast<int>(percent / 100.0 * (s / 2 - s / 27));
    }

private slots:
    void initTestCase() { ApplicationStartup::loadResourcesAndFont(); }

    void init()
    {
        clock = std::make_unique<OscillatorSubject>();
        evsAvailable = std::make_unique<FakeEvsAvailable>();
        inclination = std::make_unique<FakeInclination>();
        side = std::make_unique<FakeActiveSide>();
        indication = std::make_unique<FakeIndication>();
        generation = std::make_unique<UiGenerationSubject>();
        view = std::make_unique<StabilizeView>(evsAvailable.get(), inclination.get(), side.get(), indication.get(),
                                               clock.get(), generation.get());
        view->resize(406, 240);
        view->show();
    }

    void cleanup()
    {
        view.reset();
        clock.reset();
    }

    void inclinationTruncatesToQuarterDialPerDegree_data()
    {
        QTest::addColumn<float>("degrees");
        QTest::addColumn<int>("percent");
        QTest::newRow("1 degree") << 1.0f << -25;
        QTest::newRow("-2.5 degrees") << -2.5f << 62;
        QTest::newRow("0.03 degrees") << 0.03f << 0;
        QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << 0;
    }

    void inclinationTruncatesToQuarterDialPerDegree()
    {
        QFETCH(float, degrees);
        QFETCH(int, percent);
        view->inclinationXdegreeChanged(degrees);
        view->inclinationYdegreeChanged(degrees);
        QCOMPARE(view->bubbleLevel()->tilt(), QPoint(tiltPixels(percent), tiltPixels(percent)));
    }

    void hugeInclinationKeepsBubbleOnTheDial()
    {
        view->inclinationXdegreeChanged(1e30f);
        BubbleLevel* level = view->bubbleLevel();
        const QPoint offset = level->bubblePosition() - level->bubbleRestPosition();
        QVERIFY(offset.x() < 0);
        QVERIFY(std::hypot(offset.x(), offset.y()) <= level->travelLimit());
    }

    void withoutEvsTheLevelIsHiddenAndIgnoresInclination()
    {
        view->inclinationXdegreeChanged(1.0f);
        view->evsAvailableChanged(false);
        QVERIFY(view->bubbleLevel()->isHidden());
        view->inclinationXdegreeChanged(3.0f);
        view->evsAvailableChanged(true);
        QVERIFY(!view->bubbleLevel()->isHidden());
        QCOMPARE(view->bubbleLevel()->tilt().x(), tiltPixels(-25));
    }

    void activeSideBlinksItsArrowsGreen()
    {
        view->activeStabSideChanged(STAB_SIDE_RIGHT);
        QVERIFY(arrow(StabilizersSideBack::RIGHT_SIDE_ARROW)->isBlinking());
        QVERIFY(!arrow(StabilizersSideBack::LEFT_SIDE_ARROW)->isBlinking());
        QCOMPARE(arrow(StabilizersSideBack::LEFT_SIDE_ARROW)->getColor(), Arrow::GREY);

        view->activeStabSideChanged(STAB_SIDE_LEFT);
        for (auto a : {StabilizersSideBack::RIGHT_SIDE_ARROW, StabilizersSideBack::RIGHT_BACK_ARROW}) {
            QVERIFY(!arrow(a)->isBlinking());
            QCOMPARE(arrow(a)->getColor(), Arrow::GREY);
            QCOMPARE(arrow(a)->shownColor(), Arrow::GREY);
        }
        for (auto a : {StabilizersSideBack::LEFT_SIDE_ARROW, StabilizersSideBack::LEFT_BACK_ARROW}) {
            QVERIFY(arrow(a)->isBlinking());
            QCOMPARE(arrow(a)->getColor(), Arrow::GREEN);
        }

        view->activeStabSideChanged(static_cast<activeStabSide_t>(7));
        for (int a = 0; a < StabilizersSideBack::NumberOfArrows; ++a) {
            QVERIFY(!arrow(static_cast<StabilizersSideBack::arrow_t>(a))->isBlinking());
            QCOMPARE(arrow(static_cast<StabilizersSideBack::arrow_t>(a))->getColor(), Arrow::GREY);
        }
    }

    void backArrowsFollowTheExtraStabilisers()
    {
        view->stabExtraStabeEnabledChanged(true);
        view->activeStabSideChanged(STAB_SIDE_LEFT);
        QVERIFY(!arrow(StabilizersSideBack::LEFT_BACK_ARROW)->isHidden());

        view->stabExtraStabeEnabledChanged(false);
        QVERIFY(arrow(StabilizersSideBack::LEFT_BACK_ARROW)->isHidden());
        QVERIFY(arrow(StabilizersSideBack::RIGHT_BACK_ARROW)->isHidden());
        QVERIFY(!arrow(StabilizersSideBack::LEFT_SIDE_ARROW)->isHidden());

        view->stabExtraStabeEnabledChanged(true);
        QVERIFY(!arrow(StabilizersSideBack::LEFT_BACK_ARROW)->isHidden());
        QVERIFY(arrow(StabilizersSideBack::LEFT_BACK_ARROW)->isBlinking());
        QCOMPARE(arrow(StabilizersSideBack::LEFT_BACK_ARROW)->getColor(), Arrow::GREEN);
        QCOMPARE(arrow(StabilizersSideBack::RIGHT_BACK_ARROW)->getColor(), Arrow::GREY);
    }

    void indicationsShowHideAndColourLamps()
    {
        ColorIndicator* lamp = view->truck()->indicator(STAB_LEFT_BACK_OUT);
        QCOMPARE(lamp->getColor(), ColorIndicator::GRAY);
        view->stabSetIndicationChanged(STAB_LEFT_BACK_OUT, false);
        QCOMPARE(lamp->getColor(), ColorIndicator::YELLOW);
        view->stabSetIndicationChanged(STAB_LEFT_BACK_OUT, true);
        QCOMPARE(lamp->getColor(), ColorIndicator::GREEN);
        view->stabEnabledChanged(STAB_LEFT_BACK_OUT, false);
        QVERIFY(lamp->isHidden());
        view->stabEnabledChanged(STAB_LEFT_BACK_OUT, true);
        QVERIFY(!lamp->isHidden());
        // Out-of-range stabilisers are ignored.
        view->stabEnabledChanged(static_cast<stab_t>(10), false);
        view->stabSetIndicationChanged(static_cast<stab_t>(-1), true);
        QVERIFY(!view->truck()->indicator(static_cast<stab_t>(10)));
    }

    void resumeDeliversAllSubjectsAndSuspendStopsFollowing()
    {
        evsAvailable->set(true);
        QCoreApplication::processEvents();
        inclination->x = 2.0f;
        side->side = STAB_SIDE_RIGHT;
        indication->enabled[STAB_FRONT_DOWN] = true;
        indication->set[STAB_FRONT_DOWN] = true;
        indication->extra = true;
        view->onResume();
        QCOMPARE(view->bubbleLevel()->tilt().x(), tiltPixels(-50));
        QVERIFY(arrow(StabilizersSideBack::RIGHT_BACK_ARROW)->isBlinking());
        QVERIFY(view->truck()->isExtraStabEnabled());
        QVERIFY(view->truck()->indicator(STAB_LEFT_SIDE_DOWN)->isHidden());
        QCOMPARE(view->truck()->indicator(STAB_FRONT_DOWN)->getColor(), ColorIndicator::GREEN);

        view->onSuspend();
        side->side = STAB_SIDE_LEFT;
        side->notify();
        QCoreApplication::processEvents();
        QVERIFY(!arrow(StabilizersSideBack::LEFT_SIDE_ARROW)->isBlinking());
        QCOMPARE(side->getNumberOfAttachedObservers(), 0);
        QCOMPARE(indication->getNumberOfAttachedObservers(), 0);
    }
};

class StabilizerWidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ApplicationStartup::loadResourcesAndFont(); }

    void pictureFitsAndCentresInA426x300Widget()
    {
        OscillatorSubject clock;
        StabilizersSideBack truck(&clock, nullptr);
        QCOMPARE(truck.size(), QSize(426, 300));
        QCOMPARE(truck.pictureSize(), QSize(255, 270));
        QCOMPARE(truck.picturePosition(), QPoint(86, 15));
        // Lamps are a tenth of the picture's height, at their fractions of it.
        ColorIndicator* lamp = truck.indicator(STAB_LEFT_SIDE_DOWN);
        QCOMPARE(lamp->size(), QSize(27, 27));
        QCOMPARE(lamp->pos(), QPoint(96, 106));
        QCOMPARE(truck.indicator(STAB_PAS_DOWN)->pos(), QPoint(86 + 114, 15 + 264));
        // Arrows are placed by their centres.
        Arrow* leftSide = truck.arrow(StabilizersSideBack::LEFT_SIDE_ARROW);
        QCOMPARE(leftSide->pos(), QPoint(124 - 25, 148 - 25));
    }

    void startsGreyLampsSteadyGreenArrowsAndNoBackArrows()
    {
        OscillatorSubject clock;
        StabilizersSideBack truck(&clock, nullptr);
        for (int i = 0; i < StabIndicationSubject::NumberOfStabs; ++i) {
            QCOMPARE(truck.indicator(static_cast<stab_t>(i))->getColor(), ColorIndicator::GRAY);
            QVERIFY(!truck.indicator(static_cast<stab_t>(i))->isHidden());
        }
        QCOMPARE(truck.arrow(StabilizersSideBack::LEFT_SIDE_ARROW)->getColor(), Arrow::GREEN);
        QVERIFY(!truck.arrow(StabilizersSideBack::LEFT_SIDE_ARROW)->isBlinking());
        QVERIFY(truck.arrow(StabilizersSideBack::LEFT_BACK_ARROW)->isHidden());
        QCOMPARE(clock.getNumberOfAttachedObservers(), 0);
    }

    void blinkingWidgetsAlternateInPhaseWithTheSharedClock()
    {
        OscillatorSubject clock;
        ColorIndicator a(&clock, nullptr);
        ColorIndicator b(&clock, nullptr);
        Arrow arrow(&clock, true, nullptr);
        a.setColor(ColorIndicator::GREEN);
        b.setColor(ColorIndicator::YELLOW);
        arrow.setColor(Arrow::RED);
        QCOMPARE(clock.getNumberOfAttachedObservers(), 0);

        a.setBlinking(true);
        b.setBlinking(true);
        arrow.setBlinking(true);
        QCOMPARE(a.shownColor(), ColorIndicator::GRAY);
        QCOMPARE(arrow.shownColor(), Arrow::GREY);

        tick(clock); // toggle true: the colour
        QCOMPARE(a.shownColor(), ColorIndicator::GREEN);
        QCOMPARE(b.shownColor(), ColorIndicator::YELLOW);
        QCOMPARE(arrow.shownColor(), Arrow::RED);
        tick(clock); // toggle false: grey
        QCOMPARE(a.shownColor(), ColorIndicator::GRAY);
        QCOMPARE(b.shownColor(), ColorIndicator::GRAY);
        QCOMPARE(arrow.shownColor(), Arrow::GREY);

        a.setBlinking(false);
        QCOMPARE(a.shownColor(), ColorIndicator::GREEN);
        tick(clock);
        tick(clock);
        QCOMPARE(a.shownColor(), ColorIndicator::GREEN);
        QCOMPARE(clock.getNumberOfAttachedObservers(), 2);
    }

    void arrowTurnsWithoutGrowing()
    {
        OscillatorSubject clock;
        Arrow arrow(&clock, false, nullptr);
        arrow.setSize(40);
        arrow.rotate(45);
        QCOMPARE(arrow.getRotation(), 45.0f);
        auto* label = arrow.findChild<QLabel*>(QStringLiteral("label"));
        QVERIFY(label);
        const QPixmap shown = label->pixmap(Qt::ReturnByValue);
        QVERIFY(shown.width() <= 38 && shown.height() <= 38);
        arrow.moveAtCenter(100, 60);
        QCOMPARE(arrow.pos(), QPoint(80, 40));
    }

    void colourOutsideTheTableIsIgnored()
    {
        ColorIndicator lamp(nullptr, nullptr);
        lamp.setColor(ColorIndicator::BLUE);
        lamp.setColor(static_cast<ColorIndicator::indicatiorColor_t>(9));
        QCOMPARE(lamp.getColor(), ColorIndicator::BLUE);
        // Without a clock blinking still shows the off phase and never crashes.
        lamp.setBlinking(true);
        QCOMPARE(lamp.shownColor(), ColorIndicator::GRAY);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int status = 0;
    {
        StabilizeViewTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        StabilizerWidgetsTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}

#include "stabilizeviewtest.moc"
