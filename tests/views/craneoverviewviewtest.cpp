#include "CraneViewFakes.h"

#include "app/ApplicationStartup.h"
#include "model/FlyjibAvailableSubject.h"
#include "model/OilTempAvailableSubject.h"
#include "model/UiGenerationSubject.h"
#include "model/WinchAvailableSubject.h"
#include "ui/StyleSheets.h"
#include "views/LogoProgressbar.h"
#include "views/craneoverviewview.h"
#include "views/logoprogressbar_twoway.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {
QString chunk(const char* colour)
{
    return QStringLiteral(PROGRESSBAR "QProgressBar::chunk {background-color: ") + QLatin1String(colour) +
        QLatin1Char('}');
}
const QString Good = chunk("#008000");
const QString Caution = chunk("#ffff00");
const QString Alarm = chunk("#ff0000");

int chroma(QColor c)
{
    return qMax(c.red(), qMax(c.green(), c.blue())) - qMin(c.red(), qMin(c.green(), c.blue()));
}

double contrastOnWhite(QColor c)
{
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    const double l = 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
    return 1.05 / (l + 0.05);
}

enum Row { CraneRow, FlyjibRow, WinchRow, FrontStabRow, HdlRow, StrengthRow, EvsXRow, EvsYRow, BottomRow };
} // namespace

class CraneOverviewViewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplicationStartup::loadResourcesAndFont(); }

    void init()
    {
        evsAvailable = std::make_unique<FakeEvsAvailable>();
        evs = std::make_unique<FakeEvs>();
        oilAvailable = std::make_unique<OilTempAvailableSubject>();
        oil = std::make_unique<FakeOilTemp>();
        winchAvailable = std::make_unique<WinchAvailableSubject>();
        flyjibAvailable = std::make_unique<FlyjibAvailableSubject>();
        loads = std::make_unique<FakeLoads>();
        winchWeight = std::make_unique<FakeWeight>();
        hookWeight = std::make_unique<FakeWeight>();
        hdl = std::make_unique<FakeHdl>();
        generation = std::make_unique<UiGenerationSubject>();
        frontStab = std::make_unique<FakeFrontStab>();
        makeView();
    }

    void cleanup() { view.reset(); }

    void startsWithDashesAndHiddenWeights()
    {
        QCOMPARE(view->objectName(), QStringLiteral("craneoverviewview"));
        for (int row = CraneRow; row <= EvsYRow; ++row) {
            QWidget* w = cell(row);
            QVERIFY2(w, qPrintable(QString::number(row)));
            QVERIFY(!w->isHidden());
            QCOMPARE(valueText(w), QStringLiteral("-"));
        }
        QVERIFY(qobject_cast<logoprogressbar_twoway*>(cell(EvsXRow)));
        QVERIFY(cell(BottomRow, 1)->isHidden());
        QVERIFY(cell(BottomRow, 2)->isHidden());
        QVERIFY(!cell(BottomRow, 3)->isHidden());
        for (int column = 1; column <= 3; ++column)
            QVERIFY(bar(cell(BottomRow, column))->isHidden());
        QCOMPARE(view->getIcon().isNull(), false);
    }

    void craneLoadColoursAndCapping()
    {
        loads->craneLoad = 99.9f;
        view->onResume();
        QCOMPARE(bar(cell(CraneRow))->value(), 99);
        QCOMPARE(bar(cell(CraneRow))->styleSheet(), Caution);

        view->craneLoadChanged(100, true);
        QCOMPARE(bar(cell(CraneRow))->value(), 100);
        QCOMPARE(bar(cell(CraneRow))->styleSheet(), Alarm);

        loads->craneLoad = 150;
        loads->notify();
        QTRY_COMPARE(valueText(cell(CraneRow)), QStringLiteral("150%"));
        QCOMPARE(bar(cell(CraneRow))->value(), 100);
        QCOMPARE(bar(cell(CraneRow))->styleSheet(), Alarm);
    }

    void invalidLoadShowsDashAndGreysOut()
    {
        loads->craneLoad = 42;
        loads->loadValid = false;
        view->onResume();
        QCOMPARE(valueText(cell(CraneRow)), QStringLiteral("-"));
        QVERIFY(!cell(CraneRow)->isEnabled());
        QCOMPARE(bar(cell(CraneRow))->value(), 42);

        loads->loadValid = true;
        loads->notify();
        QTRY_VERIFY(cell(CraneRow)->isEnabled());
        QCOMPARE(valueText(cell(CraneRow)), QStringLiteral("42%"));
    }

    // With every value invalid nothing may read as a value: no bar, icon or
    // text keeps a colour, and each "-" stands out from the white screen.
    void invalidRowsReadAsInvalidInBothLooks_data()
    {
        QTest::addColumn<int>("look");
        QTest::newRow("GEN1") << int(UI_GEN1);
        QTest::newRow("GEN3") << int(UI_GEN3);
    }

    void invalidRowsReadAsInvalidInBothLooks()
    {
        QFETCH(int, look);
        generation->generation = static_cast<uiGenerations_t>(look);
        makeView();
        evsAvailable->setAvailable(true);
        oilAvailable->available = winchAvailable->available = flyjibAvailable->available = true;
        frontStab->setAvailable(true);
        // Values that would show colours, every one of them invalid.
        loads->craneLoad = 72;
        loads->winchLoad = 101;
        loads->strength = 100;
        loads->loadValid = loads->strengthValid = false;
        hdl->level = 100;
        frontStab->load = 45;
        evs->x = -95;
        evs->y = 85;
        hookWeight->kg = winchWeight->kg = 900;
        hdl->valid = evs->valid = oil->valid = frontStab->valid = hookWeight->valid = winchWeight->valid = false;

        QWidget screen;
        screen.setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 255);"));
        new QHBoxLayout(&screen);
        screen.layout()->addWidget(view.get());
        // The view is the fixture's, not the screen's.
        struct Unparent {
            QWidget* w;
            ~Unparent() { w->setParent(nullptr); }
        } unparent {view.get()};
        screen.resize(390, 252);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        view->onResume();
        QCoreApplication::processEvents();
        const QImage image = screen.grab().toImage();

        int dashes = 0;
        for (QWidget* indicator : view->findChildren<QWidget*>()) {
            const bool isIndicator = qobject_cast<LogoProgressbar*>(indicator)
                || qobject_cast<logoprogressbar_twoway*>(indicator);
            if (!isIndicator || !indicator->isVisible())
                continue;
            QVERIFY(!indicator->isEnabled());
            for (QWidget* part : indicator->findChildren<QWidget*>()) {
                if (!part->isVisible())
                    continue;
                const QRect r(part->mapTo(&screen, QPoint(0, 0)), part->size());
                QColor darkest = Qt::white;
                for (int y = r.top(); y <= r.bottom(); ++y) {
                    for (int x = r.left(); x <= r.right(); ++x) {
                        const QColor c = image.pixelColor(x, y);
                        QVERIFY2(chroma(c) <= 12,
                                 qPrintable(QStringLiteral("%1 of row %2 shows %3 at %4,%5")
                                                .arg(part->objectName(), indicator->objectName(), c.name())
                                                .arg(x)
                                                .arg(y)));
                        if (c.lightness() < darkest.lightness())
                            darkest = c;
                    }
                }
                auto* label = qobject_cast<QLabel*>(part);
                if (label && label->text() == QLatin1String("-")) {
                    ++dashes;
                    QVERIFY2(contrastOnWhite(darkest) >= 4.5, qPrintable(darkest.name()));
                }
            }
        }
        QCOMPARE(dashes, 8); // the eight bar rows

        // Valid values show their colours again.
        loads->loadValid = true;
        loads->notify();
        QTRY_VERIFY(cell(CraneRow)->isEnabled());
        const QImage valid = screen.grab().toImage();
        QProgressBar* crane = bar(cell(CraneRow));
        const QPoint inCrane = crane->mapTo(&screen, QPoint(5, crane->height() / 2));
        QCOMPARE(valid.pixelColor(inCrane), QColor(0xFF, 0xFF, 0x00));
    }

    void hdlAndStrengthColours_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("style");
        QTest::newRow("hdl 59 red") << int(HdlRow) << 59 << Alarm;
        QTest::newRow("hdl 60 yellow") << int(HdlRow) << 60 << Caution;
        QTest::newRow("hdl 100 green") << int(HdlRow) << 100 << Good;
        QTest::newRow("strength 0 yellow") << int(StrengthRow) << 0 << Caution;
        QTest::newRow("strength 39 yellow") << int(StrengthRow) << 39 << Caution;
        QTest::newRow("strength 40 green") << int(StrengthRow) << 40 << Good;
        QTest::newRow("front stab 60 yellow") << int(FrontStabRow) << 60 << Caution;
        QTest::newRow("front stab 100 red") << int(FrontStabRow) << 100 << Alarm;
    }

    void hdlAndStrengthColours()
    {
        QFETCH(int, row);
        QFETCH(int, value);
        QFETCH(QString, style);
        if (row == HdlRow)
            view->hdlChanged(static_cast<unsigned int>(value), true);
        else if (row == StrengthRow)
            view->strengthChanged(static_cast<float>(value) + 0.7f, true);
        else
            view->frontStabLoadChanged(true, static_cast<unsigned int>(value));
        QCOMPARE(bar(cell(row))->value(), value);
        QCOMPARE(bar(cell(row))->styleSheet(), style);
        QVERIFY(cell(row)->isEnabled());
    }

    void evsRowsSplitBySign()
    {
        evs->x = -95;
        evs->y = 85;
        view->onResume();
        auto* xl = cell(EvsXRow)->findChild<QProgressBar*>(QStringLiteral("progressBar_left"));
        auto* xr = cell(EvsXRow)->findChild<QProgressBar*>(QStringLiteral("progressBar_right"));
        auto* yr = cell(EvsYRow)->findChild<QProgressBar*>(QStringLiteral("progressBar_right"));
        QCOMPARE(xl->value(), 95);
        QVERIFY(xl->styleSheet().startsWith(QStringLiteral(PROGRESSBAR_RED)));
        QCOMPARE(xr->value(), 0);
        QCOMPARE(yr->value(), 85);
        QVERIFY(yr->styleSheet().startsWith(QStringLiteral(PROGRESSBAR_YELLOW)));
        QCOMPARE(valueText(cell(EvsXRow)), QStringLiteral("95%"));

        view->evsXpctChanged(-150, false);
        QCOMPARE(xl->value(), 100);
        QVERIFY(!cell(EvsXRow)->isEnabled());
    }

    void weightAppearsWithFirstNonZeroAndStays()
    {
        QWidget* hook = cell(BottomRow, 1);
        view->hookWeightChanged(0, true);
        QVERIFY(hook->isHidden());
        QCOMPARE(valueText(hook), QStringLiteral("-"));

        hookWeight->kg = 1250;
        view->onResume();
        QVERIFY(!hook->isHidden());
        QCOMPARE(valueText(hook), QStringLiteral(" 1250kg"));

        hookWeight->kg = 0;
        hookWeight->notify();
        QTRY_COMPARE(valueText(hook), QStringLiteral(" 0kg"));
        QVERIFY(!hook->isHidden());

        QWidget* winch = cell(BottomRow, 2);
        QVERIFY(winch->isHidden());
        view->WinchWeightChanged(7, false);
        QVERIFY(!winch->isHidden());
        QVERIFY(!winch->isEnabled());
    }

    void availabilityHidesRowsAndRowsBelowMoveUp()
    {
        view->resize(480, 400);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        // The gap between two neighbouring rows, and where HDL sits with all rows.
        const int gap = cell(FlyjibRow)->geometry().y() - cell(CraneRow)->geometry().bottom();
        const int hdlY = cell(HdlRow)->geometry().y();

        view->onResume(); // nothing available, oil temperature neither
        view->layout()->activate();
        QVERIFY(cell(FlyjibRow)->isHidden());
        QVERIFY(cell(WinchRow)->isHidden());
        QVERIFY(cell(FrontStabRow)->isHidden());
        QVERIFY(cell(EvsXRow)->isHidden());
        QVERIFY(cell(EvsYRow)->isHidden());
        QVERIFY(cell(BottomRow, 3)->isHidden());
        QVERIFY(cell(HdlRow)->geometry().y() < hdlY);
        QCOMPARE(cell(HdlRow)->geometry().y() - cell(CraneRow)->geometry().bottom(), gap);

        winchAvailable->available = true;
        winchAvailable->notify();
        evsAvailable->setAvailable(true);
        evsAvailable->notify();
        QTRY_VERIFY(!cell(WinchRow)->isHidden());
        QTRY_VERIFY(!cell(EvsXRow)->isHidden());
        QVERIFY(!cell(EvsYRow)->isHidden());
        view->layout()->activate();
        QCOMPARE(cell(WinchRow)->geometry().y() - cell(CraneRow)->geometry().bottom(), gap);
        QCOMPARE(cell(HdlRow)->geometry().y() - cell(WinchRow)->geometry().bottom(), gap);
    }

    void observesOnlyWhileResumed()
    {
        QCOMPARE(loads->getNumberOfAttachedObservers(), 0);
        view->onResume();
        view->onResume();
        const std::initializer_list<Subject*> subjects = {
            evsAvailable.get(), evs.get(),   oilAvailable.get(), oil.get(), winchAvailable.get(),
            flyjibAvailable.get(), loads.get(), winchWeight.get(), hookWeight.get(), hdl.get(),
            generation.get(), frontStab.get()};
        for (Subject* s : subjects)
            QCOMPARE(s->getNumberOfAttachedObservers(), 1);
        view->onSuspend();
        for (Subject* s : subjects)
            QCOMPARE(s->getNumberOfAttachedObservers(), 0);

        view->onResume();
        loads->craneLoad = 30;
        loads->notify();
        view.reset(); // a notification still queued must not reach the deleted view
        QCOMPARE(loads->getNumberOfAttachedObservers(), 0);
        QCoreApplication::processEvents();
    }

private:
    // Icons are chosen once, from the look known when the view is built.
    void makeView()
    {
        view.reset();
        view = std::make_unique<craneoverviewview>(evsAvailable.get(), evs.get(), oilAvailable.get(), oil.get(),
                                                   winchAvailable.get(), flyjibAvailable.get(), loads.get(),
                                                   winchWeight.get(), hookWeight.get(), nullptr, hdl.get(),
                                                   generation.get(), frontStab.get());
    }

    QWidget* cell(int row, int column = 1) const
    {
        auto* grid = view->findChild<QGridLayout*>(QStringLiteral("gridLayout"));
        QLayoutItem* item = grid ? grid->itemAtPosition(row, column) : nullptr;
        return item ? item->widget() : nullptr;
    }
    static QProgressBar* bar(QWidget* indicator)
    {
        return indicator->findChild<QProgressBar*>(QStringLiteral("progressBar"));
    }
    static QString valueText(QWidget* indicator)
    {
        return indicator->findChild<QLabel*>(QStringLiteral("label_value"))->text();
    }

    std::unique_ptr<FakeEvsAvailable> evsAvailable;
    std::unique_ptr<FakeEvs> evs;
    std::unique_ptr<OilTempAvailableSubject> oilAvailable;
    std::unique_ptr<FakeOilTemp> oil;
    std::unique_ptr<WinchAvailableSubject> winchAvailable;
    std::unique_ptr<FlyjibAvailableSubject> flyjibAvailable;
    std::unique_ptr<FakeLoads> loads;
    std::unique_ptr<FakeWeight> winchWeight;
    std::unique_ptr<FakeWeight> hookWeight;
    std::unique_ptr<FakeHdl> hdl;
    std::unique_ptr<UiGenerationSubject> generation;
    std::unique_ptr<FakeFrontStab> frontStab;
    std::unique_ptr<craneoverviewview> view;
};

QTEST_MAIN(CraneOverviewViewTest)
#include "craneoverviewviewtest.moc"
