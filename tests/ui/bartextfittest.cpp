#include "app/ApplicationStartup.h"
#include "ui/BarTextFit.h"
#include "ui/StyleSheets.h"

#include <QProgressBar>
#include <QStyleOptionProgressBar>
#include <QtTest>

class BarTextFitTest : public QObject {
    Q_OBJECT
private:
    static int room(QProgressBar* bar)
    {
        QStyleOptionProgressBar opt;
        opt.initFrom(bar);
        return bar->style()->subElementRect(QStyle::SE_ProgressBarContents, &opt, bar).width();
    }
    static int textWidth(QProgressBar* bar) { return QFontMetrics(bar->font()).horizontalAdvance(bar->text()); }
    static bool normalWidth(QProgressBar* bar)
    {
        return bar->font().stretch() == QFont::AnyStretch || bar->font().stretch() == 100;
    }

private slots:
    void initTestCase() { ApplicationStartup::loadResourcesAndFont(); }

    void textIsCondensedOnlyAsFarAsNeededAndFollowsTheWidth()
    {
        QProgressBar bar;
        bar.setStyleSheet(QStringLiteral(PROGRESSBAR_GREEN));
        bar.setRange(0, 100);
        bar.setValue(100);
        bar.setFormat(QStringLiteral("Kraftreserve: 100%"));
        bar.resize(400, 18);
        BarTextFit::watch(&bar);
        bar.show();
        QVERIFY(normalWidth(&bar));

        // A third of the view: the text is narrowed, whole, clear of the frame.
        bar.resize(128, 18);
        QVERIFY(!normalWidth(&bar));
        QVERIFY(bar.font().stretch() >= BarTextFit::NarrowestStretch);
        QVERIFY2(textWidth(&bar) + 2 * BarTextFit::Clearance <= room(&bar),
                 qPrintable(QStringLiteral("%1 px in %2").arg(textWidth(&bar)).arg(room(&bar))));
        // The style sheet's size and the format are left as they were.
        QCOMPARE(bar.font().pointSize(), 10);
        QCOMPARE(bar.styleSheet(), QStringLiteral(PROGRESSBAR_GREEN));
        QCOMPARE(bar.format(), QStringLiteral("Kraftreserve: 100%"));

        // A new colour re-polishes the bar; the text stays condensed and whole.
        const int condensed = bar.font().stretch();
        bar.setStyleSheet(QStringLiteral(PROGRESSBAR_RED));
        QCOMPARE(bar.font().stretch(), condensed);
        QVERIFY(textWidth(&bar) + 2 * BarTextFit::Clearance <= room(&bar));

        // Placeholders are fitted as the bar shows them, value included.
        bar.setFormat(QStringLiteral("Kran: %p%"));
        bar.setValue(5);
        BarTextFit::fit(&bar);
        QVERIFY(normalWidth(&bar));
        bar.setFormat(QStringLiteral("Kraftreserve: %v%"));
        BarTextFit::fit(&bar);
        QVERIFY(!normalWidth(&bar));
        QVERIFY(textWidth(&bar) + 2 * BarTextFit::Clearance <= room(&bar));

        // A shorter text after a format change is drawn at its normal width,
        // and the longer one again as narrow as before.
        bar.setFormat(QStringLiteral("Kraftreserve: 9%"));
        BarTextFit::fit(&bar);
        const int narrowed = bar.font().stretch();
        bar.setFormat(QStringLiteral("Kran: 5%"));
        BarTextFit::fit(&bar);
        QVERIFY(normalWidth(&bar));
        bar.setFormat(QStringLiteral("Kraftreserve: 7%"));
        BarTextFit::fit(&bar);
        QCOMPARE(bar.font().stretch(), narrowed);
    }

    void aTextTooLongForAnyWidthStopsAtTheNarrowest()
    {
        QProgressBar bar;
        bar.setStyleSheet(QStringLiteral(PROGRESSBAR_GREEN));
        bar.setValue(100);
        bar.setFormat(QStringLiteral("A label far too long for a bar this narrow: 100%"));
        bar.resize(60, 18);
        BarTextFit::watch(&bar);
        bar.show();
        QCOMPARE(bar.font().stretch(), int(BarTextFit::NarrowestStretch));
    }

    // Narrowing takes the embedded condensed bold face as it is first, and
    // stretches it only where even that is too wide; it never falls back to
    // another face or a lighter weight.
    void condensedFaceComesBeforeStretching_data()
    {
        QTest::addColumn<int>("spare");
        QTest::addColumn<bool>("condensed");
        QTest::addColumn<bool>("stretched");
        QTest::newRow("fits as it is") << 0 << false << false;
        QTest::newRow("a pixel short") << -1 << true << false;
        QTest::newRow("fits the condensed face") << -8 << true << false;
        QTest::newRow("needs stretching") << -30 << true << true;
    }

    void condensedFaceComesBeforeStretching()
    {
        QFETCH(int, spare);
        QFETCH(bool, condensed);
        QFETCH(bool, stretched);
        const QString text = QStringLiteral("Kraftreserve: 100%");
        QProgressBar bar;
        bar.setStyleSheet(QStringLiteral(PROGRESSBAR_GREEN));
        bar.setValue(100);
        bar.setFormat(text);
        bar.resize(400, 18);
        bar.show();
        // Room for the text as the normal face draws it, give or take.
        const int frame = bar.width() - room(&bar) + 2 * BarTextFit::Clearance;
        bar.resize(frame + QFontMetrics(bar.font()).horizontalAdvance(text) + spare, 18);
        BarTextFit::watch(&bar);

        const QFontInfo shown(bar.font());
        QCOMPARE(shown.family() == QLatin1String(ApplicationStartup::CondensedFamily), condensed);
        QCOMPARE(shown.styleName(), QStringLiteral("Bold"));
        if (condensed)
            QCOMPARE(bar.font().stretch() < ApplicationStartup::CondensedStretch, stretched);
        QVERIFY(textWidth(&bar) + 2 * BarTextFit::Clearance <= room(&bar));

        // Room again: back to the normal face.
        bar.resize(400, 18);
        QCOMPARE(QFontInfo(bar.font()).family(), QString::fromLatin1(ApplicationStartup::EmbeddedFamily));
        QVERIFY(normalWidth(&bar));
    }
};

QTEST_MAIN(BarTextFitTest)
#include "bartextfittest.moc"
