#include "app/ApplicationStartup.h"
#include "platform/AppVerSubject.h"
#include "platform/AppVersionOberver.h"
#include "platform/ButtonSubject.h"
#include "views/Infoview.h"

#include <QLabel>
#include <QtTest>

#include <memory>

namespace {

class FakeButtons : public ButtonSubject {
public:
    void setButtonState(unsigned int n, bool p) override
    {
        if (n < 40)
            states[n] = p;
        notify();
    }
    bool getButtonState(unsigned char n) override { return n < 40 && states[n]; }
    unsigned int getNumberOfButtons() override { return 40; }
    bool states[40] = {};
};

const QString Grey = QStringLiteral("background-color: rgb(180,180,180); font: 10pt;");
const QString Green = QStringLiteral("background-color: rgb(0,255,0); font: 10pt;");

} // namespace

class InfoviewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppVerSubject> appVer;
    std::unique_ptr<FakeButtons> buttons;
    std::unique_ptr<Infoview> view;

    QLabel* label(const QString& name) { return view->findChild<QLabel*>(name); }

private slots:
    void initTestCase() { ApplicationStartup::loadResourcesAndFont(); }

    void init()
    {
        appVer = std::make_unique<AppVerSubject>();
        buttons = std::make_unique<FakeButtons>();
        view = std::make_unique<Infoview>(nullptr, nullptr, appVer.get(), nullptr, buttons.get(), nullptr);
    }

    void cleanup() { view.reset(); }

    void valuesStartUnknownAndVersionIsFilledAtOnce()
    {
        QCOMPARE(label(QStringLiteral("label_ROVA7SerielNr"))->text(), QStringLiteral("?"));
        QCOMPARE(label(QStringLiteral("label_SSID"))->text(), QStringLiteral("?"));
        QCOMPARE(label(QStringLiteral("label_PCUsoftver"))->text(),
                 QString::fromLatin1(AppVersionOberver::ApplicationVersion) + QStringLiteral(" (")
                     + QString::fromLatin1(AppVersionOberver::GitRevision) + QStringLiteral(")"));
    }

    void controllerSerialNumberZeroIsUnknown()
    {
        view->serialNumberChanged(123456);
        QCOMPARE(label(QStringLiteral("label_ROVA7SerielNr"))->text(), QStringLiteral("123456"));
        view->serialNumberChanged(0);
        QCOMPARE(label(QStringLiteral("label_ROVA7SerielNr"))->text(), QStringLiteral("?"));
    }

    void deviceAndWifiTextsGoToTheirRows()
    {
        view->deviceHardwareVersionChanged(QStringLiteral("HW 2"));
        view->deviceSerialNumberChanged(QStringLiteral("SN 9"));
        view->deviceBootVersionChanged(QStringLiteral("boot 1"));
        view->deviceOSVersionChanged(QStringLiteral("os 3"));
        view->wifiSsidChanged(QStringLiteral("crane-cam"));
        view->wifiIpChanged(QStringLiteral("10.0.0.2"));
        view->wifiSignalQualityChanged(57);
        QCOMPARE(label(QStringLiteral("label_PCUhardver"))->text(), QStringLiteral("HW 2"));
        QCOMPARE(label(QStringLiteral("label_SNnumber"))->text(), QStringLiteral("SN 9"));
        QCOMPARE(label(QStringLiteral("label_bootVersion"))->text(), QStringLiteral("boot 1"));
        QCOMPARE(label(QStringLiteral("label_OSVersion"))->text(), QStringLiteral("os 3"));
        QCOMPARE(label(QStringLiteral("label_SSID"))->text(), QStringLiteral("crane-cam"));
        QCOMPARE(label(QStringLiteral("label_ip"))->text(), QStringLiteral("10.0.0.2"));
        QCOMPARE(label(QStringLiteral("label_WifiLinkQuality"))->text(), QStringLiteral("57%"));
    }

    void fortyDigitalLabelsInTwoRows()
    {
        for (int i = 0; i < 40; ++i) {
            QLabel* l = label(QStringLiteral("digital_%1").arg(i));
            QVERIFY(l);
            QCOMPARE(l->text(), QString::number(i));
        }
        // Inputs 0 and 20 start the two rows.
        QCOMPARE(label(QStringLiteral("digital_0"))->y(), label(QStringLiteral("digital_19"))->y());
        view->resize(390, 250);
        view->show();
        QVERIFY(label(QStringLiteral("digital_20"))->y() > label(QStringLiteral("digital_0"))->y());
    }

    void everyInputNumberAndLeverValueFitsTheViewWidth()
    {
        // The width the view gets beside the menus; every number must be
        // drawn whole, side by side, not squeezed into its neighbours.
        view->resize(380, 250);
        view->show();
        // Shown, the view has every input and lever styled from its subjects.
        for (unsigned int i = 0; i < 40; ++i)
            view->buttonStateChanged(i, i % 3 == 0);
        for (int n = 0; n < 8; ++n)
            view->leverPositionChanged(static_cast<unsigned char>(n), -100);
        QCoreApplication::processEvents();
        for (int i = 0; i < 40; ++i) {
            QLabel* l = label(QStringLiteral("digital_%1").arg(i));
            QVERIFY(l);
            QVERIFY2(l->width() >= l->fontMetrics().horizontalAdvance(l->text()),
                     qPrintable(QStringLiteral("input %1: %2 px for %3")
                                    .arg(i)
                                    .arg(l->width())
                                    .arg(l->fontMetrics().horizontalAdvance(l->text()))));
            QVERIFY(l->geometry().right() < view->width());
        }
        for (int n = 1; n <= 8; ++n) {
            QLabel* l = label(QStringLiteral("analog_val%1").arg(n));
            QVERIFY2(l->width() >= l->fontMetrics().horizontalAdvance(l->text()),
                     qPrintable(QStringLiteral("lever %1: %2 px for %3").arg(n).arg(l->width()).arg(l->fontMetrics().horizontalAdvance(l->text()))));
            QVERIFY(l->mapTo(view.get(), QPoint(l->width(), 0)).x() <= view->width());
        }
    }

    void digitalInputsBeyondTheTableAreIgnored()
    {
        view->buttonStateChanged(39, true);
        QCOMPARE(label(QStringLiteral("digital_39"))->styleSheet(), Green);
        view->buttonStateChanged(39, false);
        QCOMPARE(label(QStringLiteral("digital_39"))->styleSheet(), Grey);
        view->buttonStateChanged(40, true);
        view->buttonStateChanged(0xFFFFFFFFu, true);
        for (int i = 0; i < 39; ++i)
            QVERIFY(label(QStringLiteral("digital_%1").arg(i))->styleSheet().isEmpty());
    }

    void leversShowValueOnGreyOrGreen()
    {
        view->leverPositionChanged(0, 0);
        QCOMPARE(label(QStringLiteral("analog_val1"))->text(), QStringLiteral("0"));
        QCOMPARE(label(QStringLiteral("analog_val1"))->styleSheet(), Grey);
        view->leverPositionChanged(7, -5);
        QCOMPARE(label(QStringLiteral("analog_val8"))->text(), QStringLiteral("-5"));
        QCOMPARE(label(QStringLiteral("analog_val8"))->styleSheet(), Green);
        view->leverPositionChanged(8, 99);
        view->leverPositionChanged(255, 99);
        for (int n = 1; n <= 8; ++n)
            QVERIFY(label(QStringLiteral("analog_val%1").arg(n))->text() != QStringLiteral("99"));
    }

    void inputsAreLiveOnlyWhileShown()
    {
        buttons->states[3] = true;
        buttons->notify();
        QCoreApplication::processEvents();
        QVERIFY(label(QStringLiteral("digital_3"))->styleSheet().isEmpty());

        // Resuming paints every input as it is now.
        view->onResume();
        QCOMPARE(label(QStringLiteral("digital_3"))->styleSheet(), Green);
        QCOMPARE(label(QStringLiteral("digital_4"))->styleSheet(), Grey);
        buttons->setButtonState(4, true);
        QCoreApplication::processEvents();
        QCOMPARE(label(QStringLiteral("digital_4"))->styleSheet(), Green);

        view->onSuspend();
        buttons->setButtonState(4, false);
        QCoreApplication::processEvents();
        QCOMPARE(label(QStringLiteral("digital_4"))->styleSheet(), Green);
        QCOMPARE(buttons->getNumberOfAttachedObservers(), 0);
    }
};

QTEST_MAIN(InfoviewTest)

#include "infoviewtest.moc"
