#include "app/ApplicationStartup.h"
#include "ui/StyleSheets.h"
#include "views/LogoProgressbar.h"
#include "views/logoprogressbar_twoway.h"

#include <QColor>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QtTest>

#include <climits>

namespace {
QString chunk(const char* colour)
{
    return QStringLiteral(PROGRESSBAR "QProgressBar::chunk {background-color: ") + QLatin1String(colour) +
        QLatin1Char('}');
}
const QString Good = chunk("#008000");
const QString Caution = chunk("#ffff00");
const QString Alarm = chunk("#ff0000");
const QString LeftEdge = QStringLiteral(
    "QProgressBar {border-top-right-radius: 0px; border-bottom-right-radius: 0px; border-right-width: 1px;}");
const QString RightEdge = QStringLiteral(
    "QProgressBar {border-top-left-radius: 0px; border-bottom-left-radius: 0px; border-left-width: 1px;}");
} // namespace

class LogoProgressbarTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplicationStartup::loadResourcesAndFont(); }

    void startsEmptyWithDashAndGoodColour()
    {
        LogoProgressbar w;
        QCOMPARE(w.objectName(), QStringLiteral("logoProgressbar"));
        auto* bar = w.findChild<QProgressBar*>(QStringLiteral("progressBar"));
        auto* value = w.findChild<QLabel*>(QStringLiteral("label_value"));
        QVERIFY(bar && value && w.findChild<QLabel*>(QStringLiteral("label_icon")));
        QCOMPARE(bar->value(), 0);
        QVERIFY(!bar->isTextVisible());
        QCOMPARE(value->text(), QStringLiteral("-"));
        QCOMPARE(bar->styleSheet(), Good);
    }

    void colourFollowsLimitsAndDirection_data()
    {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("style");
        QTest::addColumn<int>("shown");

        QTest::newRow("load 59 good") << 60 << 100 << 1 << 59 << Good << 59;
        QTest::newRow("load 60 caution") << 60 << 100 << 1 << 60 << Caution << 60;
        QTest::newRow("load 99 caution") << 60 << 100 << 1 << 99 << Caution << 99;
        QTest::newRow("load 100 alarm") << 60 << 100 << 1 << 100 << Alarm << 100;
        QTest::newRow("load 150 alarm, full") << 60 << 100 << 1 << 150 << Alarm << 100;
        QTest::newRow("hdl 59 alarm") << 60 << 100 << 0 << 59 << Alarm << 59;
        QTest::newRow("hdl 60 caution") << 60 << 100 << 0 << 60 << Caution << 60;
        QTest::newRow("hdl 100 good") << 60 << 100 << 0 << 100 << Good << 100;
        QTest::newRow("strength 0 caution") << 0 << 40 << 0 << 0 << Caution << 0;
        QTest::newRow("strength 39 caution") << 0 << 40 << 0 << 39 << Caution << 39;
        QTest::newRow("strength 40 good") << 0 << 40 << 0 << 40 << Good << 40;
        QTest::newRow("strength -1 alarm, bar keeps 0") << 0 << 40 << 0 << -1 << Alarm << 0;
    }

    void colourFollowsLimitsAndDirection()
    {
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(int, direction);
        QFETCH(int, value);
        QFETCH(QString, style);
        QFETCH(int, shown);
        LogoProgressbar w;
        w.setColorLimits(low, high, static_cast<LogoProgressbar::direction_t>(direction));
        w.setValue(value);
        auto* bar = w.findChild<QProgressBar*>(QStringLiteral("progressBar"));
        QCOMPARE(bar->styleSheet(), style);
        QCOMPARE(bar->value(), shown);
    }

    void unknownDirectionKeepsColourAndMaximumCapsBar()
    {
        LogoProgressbar w;
        auto* bar = w.findChild<QProgressBar*>(QStringLiteral("progressBar"));
        w.setColorLimits(60, 100, LogoProgressbar::HIGH_IS_BAD);
        w.setValue(70);
        w.setColorLimits(60, 100, static_cast<LogoProgressbar::direction_t>(7));
        w.setValue(120);
        QCOMPARE(bar->styleSheet(), Caution);
        QCOMPARE(bar->value(), 100);

        w.setMaxValue(50);
        w.setValue(70);
        QCOMPARE(bar->value(), 50);
    }

    void customColoursUseLowerCaseNames()
    {
        LogoProgressbar w;
        QColor good(0x12, 0xAB, 0xEF), caution(Qt::blue), alarm(Qt::black);
        w.setColors(&good, &caution, nullptr);
        w.setColorLimits(10, 20, LogoProgressbar::HIGH_IS_BAD);
        w.setValue(5);
        auto* bar = w.findChild<QProgressBar*>(QStringLiteral("progressBar"));
        QCOMPARE(bar->styleSheet(), chunk("#12abef"));
        w.setValue(25); // alarm colour was not replaced
        QCOMPARE(bar->styleSheet(), Alarm);
    }

    void barHidesAndShowsOnceEach()
    {
        LogoProgressbar w;
        auto* layout = w.findChild<QHBoxLayout*>(QStringLiteral("horizontalLayout"));
        auto* bar = w.findChild<QProgressBar*>(QStringLiteral("progressBar"));
        QCOMPARE(layout->count(), 3);
        w.hideProgressbarOnly();
        w.hideProgressbarOnly();
        QCOMPARE(layout->count(), 4);
        QVERIFY(bar->isHidden());
        QVERIFY(w.isProgressbarHidden());
        w.showProgressbarOnly();
        w.showProgressbarOnly();
        QCOMPARE(layout->count(), 3);
        QVERIFY(!bar->isHidden());
        w.hideProgressbarOnly(); // destroyed while hidden: spacer freed once
    }

    void logoIsScaledToTheIconLabel()
    {
        LogoProgressbar w;
        w.resize(273, 34);
        w.show();
        QPixmap logo(120, 60);
        logo.fill(Qt::red);
        w.setLogo(logo);
        auto* icon = w.findChild<QLabel*>(QStringLiteral("label_icon"));
        const QPixmap shown = icon->pixmap(Qt::ReturnByValue);
        QVERIFY(shown.width() <= icon->width());
        QVERIFY(shown.height() <= w.height() - 4);
        QCOMPARE(shown.width(), 2 * shown.height());
    }

    void twoWaySplitsTheSign_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("leftStyle");
        QTest::addColumn<QString>("rightStyle");
        const QString green = QStringLiteral(PROGRESSBAR_GREEN);
        const QString yellow = QStringLiteral(PROGRESSBAR_YELLOW);
        const QString red = QStringLiteral(PROGRESSBAR_RED);
        QTest::newRow("0") << 0 << 0 << 0 << green << green;
        QTest::newRow("-95 red left") << -95 << 95 << 0 << red << green;
        QTest::newRow("+85 yellow right") << 85 << 0 << 85 << green << yellow;
        QTest::newRow("-150 full left") << -150 << 100 << 0 << red << green;
        QTest::newRow("80 green") << 80 << 0 << 80 << green << green;
        QTest::newRow("81 yellow") << 81 << 0 << 81 << green << yellow;
        QTest::newRow("90 yellow") << 90 << 0 << 90 << green << yellow;
        QTest::newRow("91 red") << 91 << 0 << 91 << green << red;
        QTest::newRow("most negative int") << INT_MIN << 100 << 0 << red << green;
        QTest::newRow("largest int") << INT_MAX << 0 << 100 << green << red;
    }

    void twoWaySplitsTheSign()
    {
        QFETCH(int, value);
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(QString, leftStyle);
        QFETCH(QString, rightStyle);
        logoprogressbar_twoway w;
        QCOMPARE(w.objectName(), QStringLiteral("logoprogressbar_twoway"));
        auto* l = w.findChild<QProgressBar*>(QStringLiteral("progressBar_left"));
        auto* r = w.findChild<QProgressBar*>(QStringLiteral("progressBar_right"));
        QVERIFY(l && r);
        QCOMPARE(l->layoutDirection(), Qt::RightToLeft);
        w.setValue(-30); // a previous value must not linger
        w.setValue(value);
        QCOMPARE(l->value(), left);
        QCOMPARE(r->value(), right);
        QCOMPARE(l->styleSheet(), leftStyle + LeftEdge);
        QCOMPARE(r->styleSheet(), rightStyle + RightEdge);
    }

    void twoWayLimitsAreAdjustable()
    {
        logoprogressbar_twoway w;
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("label_value"))->text(), QStringLiteral("-"));
        w.setColorLimits(10, 20);
        w.setValue(-15);
        auto* l = w.findChild<QProgressBar*>(QStringLiteral("progressBar_left"));
        QCOMPARE(l->styleSheet(), QStringLiteral(PROGRESSBAR_YELLOW) + LeftEdge);
    }
};

QTEST_MAIN(LogoProgressbarTest)
#include "logoprogressbartest.moc"
