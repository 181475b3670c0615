#include "app/ApplicationStartup.h"
#include "ui/MenuLine.h"
#include "ui/SideMenu.h"
#include "ui/StyleSheets.h"
#include "ui/softButton.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QtTest>

class SideMenuTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(ApplicationStartup::loadResourcesAndFont()); }

    void stylePriorities_data()
    {
        QTest::addColumn<bool>("active");
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QString>("style");
        QTest::newRow("inactive") << false << false << false << QStringLiteral(LABEL_ICON_CLEARED);
        QTest::newRow("inactive pressed selected") << false << true << true << QStringLiteral(LABEL_ICON_CLEARED);
        QTest::newRow("active") << true << false << false << QStringLiteral(LABEL_ICON);
        QTest::newRow("active selected") << true << false << true << QStringLiteral(LABEL_ICON_SELECTED);
        QTest::newRow("all three") << true << true << true << QStringLiteral(LABEL_ICON_PRESSED);
    }

    void stylePriorities()
    {
        QFETCH(bool, active);
        QFETCH(bool, pressed);
        QFETCH(bool, selected);
        QFETCH(QString, style);
        softButton b(nullptr);
        QCOMPARE(b.label()->styleSheet(), QStringLiteral(LABEL_ICON_CLEARED));
        b.setPressed(pressed);
        b.setSelected(selected);
        b.setActive(active);
        QCOMPARE(b.label()->styleSheet(), style);
    }

    void sidesGetEdgeStyles()
    {
        SideMenu left(nullptr, 0, 4);
        SideMenu right(nullptr, 1, 4);
        SideMenu other(nullptr, 2, 4);
        QCOMPARE(left.findChildren<softButton*>().size(), 4);
        QCOMPARE(left.objectName(), QStringLiteral("sidemenu"));
        left.setButtonActive(0, true);
        right.setButtonActive(0, true);
        other.setButtonActive(0, true);
        QCOMPARE(left.button(0)->label()->styleSheet(), QStringLiteral(LABEL_ICON LABEL_ICON_LEFT_BASE));
        QCOMPARE(right.button(0)->label()->styleSheet(), QStringLiteral(LABEL_ICON LABEL_ICON_RIGHT_BASE));
        QCOMPARE(other.button(0)->label()->styleSheet(), QStringLiteral(LABEL_ICON));
        QCOMPARE(left.button(1)->label()->styleSheet(), QStringLiteral(LABEL_ICON_CLEARED LABEL_ICON_LEFT_BASE));
    }

    void outOfRangeIndexIsIgnored()
    {
        SideMenu menu(nullptr, 0, 4);
        menu.setButtonPressed(5, true);
        menu.setButtonActive(-1, true);
        menu.setButtonLogo(4, QStringLiteral("x"));
        menu.clrButtonLogo(9);
        for (int i = 0; i < 4; ++i)
            QVERIFY(!menu.button(i)->pressed() && !menu.button(i)->active());
    }

    void releasedStyleChangeShowsAtOnce()
    {
        SideMenu menu(nullptr, 1, 4);
        menu.setButtonActive(0, true);
        menu.setButtonActive(3, true);
        menu.setReleasedStylesheet(QStringLiteral("border: 1px solid red;"));
        QCOMPARE(menu.button(0)->label()->styleSheet(), QStringLiteral("border: 1px solid red;"));
        QCOMPARE(menu.button(3)->label()->styleSheet(), QStringLiteral("border: 1px solid red;"));
        QCOMPARE(menu.button(1)->label()->styleSheet(), QStringLiteral(LABEL_ICON_CLEARED LABEL_ICON_RIGHT_BASE));
    }

    void clearingRemovesPixmap()
    {
        SideMenu menu(nullptr, 0, 4);
        QPixmap p(10, 10);
        p.fill(Qt::red);
        menu.setButtonLogo(2, p);
        QVERIFY(!menu.button(2)->label()->pixmap(Qt::ReturnByValue).isNull());
        menu.clrButtonLogo(2);
        QVERIFY(menu.button(2)->label()->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(menu.button(2)->label()->text(), QStringLiteral(" "));
    }

    void selectedKeyShowsAroundEveryViewIcon_data()
    {
        QTest::addColumn<QString>("icon");
        for (const char* gen : {":/GEN1/", ":/GEN3/"})
            for (const char* f : {"Crane.png", "EVS.png", "Stab.png"})
                QTest::newRow(qPrintable(QLatin1String(gen) + QLatin1String(f))) << QLatin1String(gen) + QLatin1String(f);
    }

    void selectedKeyShowsAroundEveryViewIcon()
    {
        // The selected key's grey must show around the icon, or the selected
        // view cannot be told from the others.
        QFETCH(QString, icon);
        Q_INIT_RESOURCE(nordel_resources);
        SideMenu menu(nullptr, 0, 4);
        for (int i = 0; i < 2; ++i) {
            menu.setButtonLogo(i, QPixmap(icon));
            menu.setButtonActive(i, true);
        }
        menu.setButtonSelected(0, true);
        menu.resize(46, 270);
        menu.setAttribute(Qt::WA_DontShowOnScreen);
        menu.show();
        QCoreApplication::processEvents();
        const auto greyShare = [&](int i) {
            const QImage img = menu.button(i)->grab().toImage();
            int grey = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    grey += img.pixel(x, y) == qRgb(125, 125, 125);
            return double(grey) / (img.width() * img.height());
        };
        QVERIFY2(greyShare(0) > 0.15, qPrintable(QString::number(greyShare(0))));
        QCOMPARE(greyShare(1), 0.0);
    }

    void menuLineSelection()
    {
        MenuLine line(nullptr);
        QCOMPARE(line.getId(), -1);
        QCOMPARE(line.getTitleLabel()->text(), QString());
        QCOMPARE(line.styleSheet(), QStringLiteral(STYPE_DESELECTED));
        line.setSelected(true);
        QCOMPARE(line.styleSheet(), QStringLiteral(STYLE_SELECTED));
        MenuLine withSetting(QStringLiteral("On"), nullptr);
        QCOMPARE(withSetting.getSettingsText(), QStringLiteral("On"));
        QCOMPARE(withSetting.getTitleLabel()->text(), QStringLiteral("imenuItemName"));
    }

    // The value is always whole, a clear gap after the title; a title too
    // long for the rest of the line narrows, selected or not.
    void menuLineTitleNarrowsBeforeItRunsIntoItsValue_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<bool>("condensed");
        QTest::newRow("room") << 600 << false << false;
        QTest::newRow("room, selected") << 600 << true << false;
        QTest::newRow("narrow") << 300 << false << true;
        QTest::newRow("narrow, selected") << 300 << true << true;
    }

    void menuLineTitleNarrowsBeforeItRunsIntoItsValue()
    {
        QFETCH(int, width);
        QFETCH(bool, selected);
        QFETCH(bool, condensed);
        QWidget list;
        MenuLine line(QStringLiteral("120"), &list);
        line.setTitleText(QStringLiteral("Stunden bis zur n\u00E4chsten Wartung"));
        line.setSelected(selected);
        line.resize(width, 24);
        list.show();
        QCoreApplication::sendPostedEvents();
        QLabel* title = line.getTitleLabel();
        QLabel* value = line.getSettingsLabel();
        QCOMPARE(title->font().family() == QLatin1String(ApplicationStartup::CondensedFamily), condensed);
        const int titleEnd = title->x() + title->contentsRect().left()
            + QFontMetrics(title->font()).horizontalAdvance(title->text());
        QVERIFY2(value->x() - titleEnd >= MenuLine::CaptionGap, qPrintable(QString::number(value->x() - titleEnd)));
        QVERIFY(value->width() >= QFontMetrics(value->font()).horizontalAdvance(value->text()));
        QVERIFY(value->geometry().right() < line.width());
    }
};

QTEST_MAIN(SideMenuTest)
#include "sidemenutest.moc"
