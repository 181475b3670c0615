#include "app/ApplicationStartup.h"
#include "ui/Icon.h"
#include "ui/StatusBar.h"
#include "ui/StyleSheets.h"

#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QtTest>

// The status bar's callbacks are driven directly; its subjects are absent.
class StatusBarTest : public QObject {
    Q_OBJECT
private:
    StatusBar* bar = nullptr;

    QLabel* label(const char* name) const { return bar->findChild<QLabel*>(QLatin1String(name)); }
    QProgressBar* progress(const char* name) const { return bar->findChild<QProgressBar*>(QLatin1String(name)); }

    QList<int> infoIds() const
    {
        QList<int> ids;
        for (Icon* i : bar->getInfoCenterIcons())
            ids << i->getId();
        return ids;
    }

private slots:
    void initTestCase() { ApplicationStartup::loadResourcesAndFont(); }
    void init() { bar = new StatusBar(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr); }
    void cleanup() { delete bar; }

    void clockHiddenUntilFirstText()
    {
        QVERIFY(label("label_Clock")->isHidden());
        bar->clockStringChanged(QStringLiteral("12:34"));
        QVERIFY(!label("label_Clock")->isHidden());
        QCOMPARE(label("label_Clock")->text(), QStringLiteral("12:34"));
    }

    void barColourLimits()
    {
        bar->signalStrengthChanged(20);
        QCOMPARE(progress("progressBar_radio")->styleSheet(), QStringLiteral(PROGRESSBAR_RED));
        bar->signalStrengthChanged(21);
        QCOMPARE(progress("progressBar_radio")->styleSheet(), QStringLiteral(PROGRESSBAR_GREEN));
        QCOMPARE(progress("progressBar_radio")->value(), 21);
        bar->batteryLevelChanged(30);
        QCOMPARE(progress("progressBar_battery")->styleSheet(), QStringLiteral(PROGRESSBAR_RED));
        bar->batteryLevelChanged(31);
        QCOMPARE(progress("progressBar_battery")->styleSheet(), QStringLiteral(PROGRESSBAR_GREEN));
    }

    void eptoLowLevelShownAsEightButRed()
    {
        bar->eptoDetectedChanged(true);
        QVERIFY(!progress("progressBar_epto")->isHidden());
        bar->eptoBatteryLevelChanged(3);
        QCOMPARE(progress("progressBar_epto")->value(), 8);
        QCOMPARE(progress("progressBar_epto")->styleSheet(), QStringLiteral(PROGRESSBAR_RED));
    }

    void chargingAnimationSteps()
    {
        bar->eptoBatteryLevelChanged(80);
        bar->eptoChargingChanged(true);
        QList<int> values;
        for (int i = 0; i < 20; ++i) {
            bar->updateChargingAnimation();
            values << progress("progressBar_epto")->value();
        }
        QCOMPARE(values.first(), 4);
        QCOMPARE(values.at(1), 8);
        QCOMPARE(values.last(), 80);
        auto* timer = bar->findChild<QTimer*>();
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 400);
        bar->updateChargingAnimation();
        QCOMPARE(progress("progressBar_epto")->value(), 4);
        bar->eptoChargingChanged(false);
        QVERIFY(!timer->isActive());
        QCOMPARE(progress("progressBar_epto")->value(), 80);
    }

    void eptoBoltOnlyWhileCharging()
    {
        const auto shows = [this](const char* file) {
            return label("label_epto")->pixmap(Qt::ReturnByValue).toImage()
                == QImage(QStringLiteral(":/images/") + QLatin1String(file)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        bar->eptoDetectedChanged(true);
        QVERIFY(shows("60_EPTO_BATTTERI_transparent.png"));
        bar->eptoChargingChanged(true);
        QVERIFY(shows("60_EPTO_BATTTERI_transparent_CHARGING.png"));
        // A fault outranks charging; once cleared the bolt is back.
        bar->eptoStopPressedChanged(true);
        QVERIFY(shows("60_EPTO_BATTTERI_transparent_STOP.png"));
        bar->eptoStopPressedChanged(false);
        QVERIFY(shows("60_EPTO_BATTTERI_transparent_CHARGING.png"));
        bar->eptoChargingChanged(false);
        QVERIFY(shows("60_EPTO_BATTTERI_transparent.png"));
    }

    void blackLineUnderEveryRow_data()
    {
        QTest::addColumn<bool>("epto");
        QTest::newRow("plain") << false;
        QTest::newRow("active EPTO") << true;
    }

    void blackLineUnderEveryRow()
    {
        // The framed active-EPTO label is the tallest thing the row can hold.
        QFETCH(bool, epto);
        bar->eptoDetectedChanged(epto);
        bar->eptoActiveChanged(epto);
        bar->cbsActiveChanged(true);
        // The size the operating screen gives the bar.
        bar->setFixedSize(380, 21);
        bar->setAttribute(Qt::WA_DontShowOnScreen);
        bar->show();
        QCoreApplication::processEvents();
        const QImage shot = bar->grab().toImage();
        const auto* line = bar->findChild<QWidget*>(QStringLiteral("line"));
        QVERIFY(line->height() >= 1);
        QVERIFY(line->geometry().bottom() < bar->height());
        for (int x = 10; x < 370; x += 30) {
            bool black = false;
            for (int y = line->geometry().top(); y <= line->geometry().bottom(); ++y)
                black = black || shot.pixel(x, y) == qRgb(0, 0, 0);
            QVERIFY2(black, qPrintable(QString::number(x)));
        }
    }

    void infoCentreIcons()
    {
        bar->iconId1Changed(14);
        bar->iconId2Changed(14);
        QCOMPARE(infoIds(), QList<int>({14}));
        bar->iconId2Changed(15);
        QCOMPARE(infoIds(), QList<int>({14, 15}));
        bar->iconId1Changed(60); // out of range: blank
        QCOMPARE(infoIds(), QList<int>({15}));
    }

    void slmValueCarriedWhenIconAppears()
    {
        bar->slmLoadChanged(45.3f);
        bar->iconId1Changed(48);
        QCOMPARE(bar->getInfoCenterIcons().size(), 1);
        QLabel* value = bar->getInfoCenterIcons().first()->valueLabel();
        QVERIFY(!value->isHidden());
        QCOMPARE(value->text(), QStringLiteral("45.0%")); // the stored whole percent
        bar->slmLoadChanged(45.3f);
        QCOMPARE(value->text(), QStringLiteral("45.3%"));
    }

    void statusIconsOnceAndMooring()
    {
        bar->cbsActiveChanged(true);
        bar->cbsActiveChanged(true);
        QCOMPARE(bar->getStatusIcons().size(), 1);
        bar->mooringStateChanged(MooringSubject::MOORING_AUTO);
        QCOMPARE(bar->getStatusIcons().size(), 2);
        bar->mooringStateChanged(MooringSubject::MOORING_LOCKED);
        QCOMPARE(bar->getStatusIcons().size(), 2);
        QCOMPARE(bar->getStatusIcons().last()->getId(), int(NOTIFICATION_MOORING_LOCKED));
        bar->mooringStateChanged(MooringSubject::MOORING_OFF);
        bar->cbsActiveChanged(false);
        QVERIFY(bar->getStatusIcons().isEmpty());
    }
};

QTEST_MAIN(StatusBarTest)
#include "statusbartest.moc"
