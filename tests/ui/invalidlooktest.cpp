#include "app/ApplicationStartup.h"
#include "ui/InvalidLook.h"
#include "ui/StyleSheets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStyle>
#include <QStyleOptionProgressBar>
#include <QtTest>

#include <cmath>

namespace {

// Relative luminance, as for text contrast.
double luminance(QColor c)
{
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

int chroma(QColor c)
{
    return qMax(c.red(), qMax(c.green(), c.blue())) - qMin(c.red(), qMin(c.green(), c.blue()));
}

QRect inside(QProgressBar* bar)
{
    QStyleOptionProgressBar opt;
    opt.initFrom(bar);
    return bar->style()->subElementRect(QStyle::SE_ProgressBarContents, &opt, bar);
}

} // namespace

// A disabled bar (its value invalid) is drawn grey whatever colour its style
// sheet gives the chunk, with its value still visible and its text readable;
// an enabled bar is drawn as its style sheet says.
class InvalidLookTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(ApplicationStartup::loadResourcesAndFont()); }

    void disabledBarIsGrey_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QColor>("chunkColour");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("rightToLeft");
        const QString edge = QStringLiteral("QProgressBar {border-radius: 0px; border-left-width: 1px;}");
        QTest::newRow("green, full, HDL text") << QStringLiteral(PROGRESSBAR_GREEN) + edge << QColor(0x008000) << 100
                                               << QStringLiteral("Capacity: -") << false;
        QTest::newRow("red, half") << QStringLiteral(PROGRESSBAR_RED) << QColor(0xFF0000) << 50 << QString() << false;
        QTest::newRow("yellow, half, text") << QStringLiteral(PROGRESSBAR_YELLOW) << QColor(0xFFFF00) << 50
                                            << QStringLiteral("Crane: -") << false;
        QTest::newRow("dark, left half of a two-way bar")
            << QStringLiteral(PROGRESSBAR_DARK) << QColor(0x083045) << 50 << QString() << true;
        QTest::newRow("green, empty") << QStringLiteral(PROGRESSBAR_GREEN) << QColor(0x008000) << 0 << QString() << false;
    }

    void disabledBarIsGrey()
    {
        QFETCH(QString, style);
        QFETCH(QColor, chunkColour);
        QFETCH(int, value);
        QFETCH(QString, text);
        QFETCH(bool, rightToLeft);

        QWidget screen;
        screen.setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 255);"));
        auto* bar = new QProgressBar(&screen);
        new QHBoxLayout(&screen);
        screen.layout()->addWidget(bar);
        bar->setStyleSheet(style);
        bar->setRange(0, 100);
        bar->setValue(value);
        bar->setTextVisible(!text.isEmpty());
        bar->setFormat(text);
        if (rightToLeft)
            bar->setLayoutDirection(Qt::RightToLeft);
        InvalidLook::watch(bar);
        screen.resize(160, 24);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));

        const QRect in = inside(bar);
        // Where the chunk is, and where it is not, half way up.
        const int y = in.center().y();
        const int filledX = rightToLeft ? in.right() - 2 : in.left() + 2;
        const int emptyX = rightToLeft ? in.left() + 2 : in.right() - 2;
        QImage valid = bar->grab().toImage();
        if (value > 0)
            QCOMPARE(valid.pixelColor(filledX, y), chunkColour);

        bar->setEnabled(false);
        const QImage image = bar->grab().toImage();
        for (int py = 0; py < image.height(); ++py) {
            for (int px = 0; px < image.width(); ++px)
                QVERIFY2(chroma(image.pixelColor(px, py)) <= 6,
                         qPrintable(QStringLiteral("colour %1 at %2,%3")
                                        .arg(image.pixelColor(px, py).name())
                                        .arg(px)
                                        .arg(py)));
        }
        if (text.isEmpty()) {
            QCOMPARE(image.pixelColor(filledX, y),
                     value > 0 ? InvalidLook::chunkColour() : InvalidLook::grooveColour());
            if (value < 100)
                QCOMPARE(image.pixelColor(emptyX, y), InvalidLook::grooveColour());
        } else {
            // The text reads on what lies behind it.
            const QColor behind = value >= 100 ? InvalidLook::chunkColour() : InvalidLook::grooveColour();
            QColor darkest = behind;
            for (int px = in.left(); px <= in.right(); ++px) {
                for (int py = in.top(); py <= in.bottom(); ++py) {
                    if (luminance(image.pixelColor(px, py)) < luminance(darkest))
                        darkest = image.pixelColor(px, py);
                }
            }
            QVERIFY2(contrast(darkest, behind) >= 4.5,
                     qPrintable(QStringLiteral("%1 on %2").arg(darkest.name(), behind.name())));
        }

        // Valid again: the style sheet's colours are back.
        bar->setEnabled(true);
        QCOMPARE(bar->grab().toImage(), valid);
        QCOMPARE(bar->styleSheet(), style);
    }

    void disabledLabelTextReadsOnWhite()
    {
        QWidget screen;
        screen.setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 255);"));
        auto* label = new QLabel(QStringLiteral("-"), &screen);
        InvalidLook::apply(&screen);
        screen.setEnabled(false);
        screen.show();
        // A style sheet set later polishes the label anew.
        screen.setStyleSheet(QStringLiteral("background-color: #FFFFFF;"));
        QCOMPARE(label->palette().color(QPalette::Disabled, QPalette::WindowText), InvalidLook::labelTextColour());
        QVERIFY(contrast(InvalidLook::labelTextColour(), Qt::white) >= 4.5);
        QVERIFY(contrast(InvalidLook::barTextColour(), InvalidLook::chunkColour()) >= 4.5);
        // Still visibly grey, not black.
        QVERIFY(InvalidLook::labelTextColour().lightness() >= 80);
    }
};

QTEST_MAIN(InvalidLookTest)
#include "invalidlooktest.moc"
