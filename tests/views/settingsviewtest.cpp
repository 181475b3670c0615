#include "app/ApplicationStartup.h"
#include "core/SettingsSubject.h"
#include "model/ClockSubject.h"
#include "model/EvsAvailableSubject.h"
#include "model/LanguageSubject.h"
#include "model/LanguageSupport.h"
#include "model/ServiceSubject.h"
#include "platform/SoftButtonSubject.h"
#include "support/TestSandbox.h"
#include "ui/MenuLine.h"
#include "ui/SideMenu.h"
#include "ui/softButton.h"
#include "views/SettingsView.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {

class FakeSoftButtons : public SoftButtonSubject {
public:
    void setButtonState(unsigned int s) override
    {
        state = s;
        notify();
    }
    unsigned int getButtonState() override { return state; }
    unsigned int state = 0;
};

class FakeService : public ServiceSubject {
public:
    int getOperationHoursToService() override { return 120; }
    int getDaysToNextPlannedService() override { return 30; }
    int getOperationHoursToOilChange() override { return 400; }
    int getActiveHours() override { return 1234; }
};

class FakeEvsAvailable : public EvsAvailableSubject {};

// Line indices in display order.
enum : int {
    BrightnessLine = 0,
    LanguageLine = 2,
    ClockLine = 3,
    ClockTypeLine = 4,
    WeightLine = 5,
    ActiveHoursLine = 8,
    NoticesLine = 14,
};

} // namespace

class SettingsViewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestSandbox> sandbox;
    std::unique_ptr<QSettings> qsettings;
    std::unique_ptr<SettingsSubject> settings;
    std::unique_ptr<LanguageSubject> language;
    std::unique_ptr<ClockSubject> clock;
    std::unique_ptr<FakeService> service;
    std::unique_ptr<FakeEvsAvailable> evsAvailable;
    std::unique_ptr<FakeSoftButtons> keys;
    std::unique_ptr<SideMenu> menu;
    std::unique_ptr<SettingsView> view;

    void press(unsigned int key)
    {
        view->buttonPressed(key);
        view->buttonReleased(key);
        QCoreApplication::processEvents();
    }
    void goToLine(int index)
    {
        for (int i = 0; i < 20; ++i)
            press(7);
        for (int i = 0; i < index; ++i)
            press(6);
        QCOMPARE(view->getSelectedIndex(), index);
    }
    QString lineText(SettingsView::menuPoint_t id) { return view->menuLine(id)->getSettingsText(); }
    bool buttonActive(int i) { return menu->button(i)->active(); }
    bool buttonShows(int i, const char* path)
    {
        return menu->button(i)->label()->pixmap(Qt::ReturnByValue).toImage()
            == QPixmap(QLatin1String(path)).toImage();
    }

private slots:
    void initTestCase()
    {
        ApplicationStartup::loadResourcesAndFont();
        sandbox = std::make_unique<TestSandbox>();
        QVERIFY(sandbox->isValid());
        sandbox->writeStub(QStringLiteral("sync"), "exit 0\n");
        QByteArray table = "Translations:2.1:test\nKey;English;Deutsch;Svenska\n";
        for (int id = 0; id < 69; ++id) {
            const QByteArray n = QByteArray::number(id);
            table += n + ";E" + n + ";D" + n + ";S" + n + "\n";
        }
        sandbox->writeFile(sandbox->devicePath(QStringLiteral("/home/GUI/nordel/LumoraTranslations.csv")), table);
        LanguageSubject::languageSupport = new LanguageSupport(0);
    }

    void init()
    {
        qsettings = std::make_unique<QSettings>(sandbox->path() + QStringLiteral("/settings.ini"), QSettings::IniFormat);
        qsettings->clear();
        settings = std::make_unique<SettingsSubject>(qsettings.get());
        language = std::make_unique<LanguageSubject>(settings.get());
        LanguageSubject::languageSupport->setLanguage(0);
        clock = std::make_unique<ClockSubject>(nullptr, settings.get());
        service = std::make_unique<FakeService>();
        evsAvailable = std::make_unique<FakeEvsAvailable>();
        keys = std::make_unique<FakeSoftButtons>();
        menu = std::make_unique<SideMenu>(nullptr, SideMenu::SIDE_RIGHT, 4);
        view = std::make_unique<SettingsView>(menu.get(), settings.get(), keys.get(), evsAvailable.get(), nullptr,
                                              clock.get(), service.get(), language.get());
        view->resize(390, 250);
        view->show();
        view->onResume();
        QCoreApplication::processEvents();
    }

    void cleanup()
    {
        view.reset();
        menu.reset();
        clock.reset();
        language.reset();
        settings.reset();
        qsettings.reset();
    }

    void menuHasFifteenLinesWithFixedTexts()
    {
        QCOMPARE(view->numberOfMenuLines(), 15);
        QCOMPARE(view->getSelectedIndex(), 0);
        QCOMPARE(view->getSelectedId(), int(SettingsView::MENU_BACKLIGHT_STRENGTH));
        QCOMPARE(lineText(SettingsView::MENU_VERSION), QStringLiteral("1.3.2"));
        QCOMPARE(lineText(SettingsView::MENU_TRANSLATION_VERSION), QStringLiteral("2.1"));
        QCOMPARE(lineText(SettingsView::MENU_LANGUAGE), QStringLiteral("English"));
        QCOMPARE(view->menuLine(SettingsView::MENU_CLOCK)->getTitleLabel()->text(), QStringLiteral("E25"));
        QCOMPARE(view->getTitle(), QStringLiteral("E41"));
        // Service counters arrive on resume.
        QCOMPARE(lineText(SettingsView::MENU_ACTIVE_HOURS), QStringLiteral("1234"));
    }

    void displayOrderOfTheIds()
    {
        const QList<int> ids {1, 0, 14, 6, 7, 2, 3, 4, 13, 11, 9, 10, 12, 15, 8};
        for (int i = 0; i < ids.size(); ++i) {
            goToLine(i);
            QCOMPARE(view->getSelectedId(), ids.at(i));
        }
    }

    void upOnFirstAndDownOnLastKeepTheSelection()
    {
        press(7);
        QCOMPARE(view->getSelectedIndex(), 0);
        goToLine(NoticesLine);
        press(6);
        QCOMPARE(view->getSelectedIndex(), NoticesLine);
    }

    void brightnessStepsByTwentyAndWraps_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("90 wraps to 20") << 90 << 20;
        QTest::newRow("80 gives 100") << 80 << 100;
        QTest::newRow("100 wraps to 20") << 100 << 20;
        QTest::newRow("0 gives 20") << 0 << 20;
    }

    void brightnessStepsByTwentyAndWraps()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        settings->setBacklightAuto(false);
        settings->setBacklightStrength(static_cast<unsigned char>(from));
        QCoreApplication::processEvents();
        QCOMPARE(lineText(SettingsView::MENU_BACKLIGHT_STRENGTH), QString::number(from) + QLatin1Char('%'));
        press(5);
        QCOMPARE(int(settings->getBacklightStrength()), to);
        QCOMPARE(lineText(SettingsView::MENU_BACKLIGHT_STRENGTH), QString::number(to) + QLatin1Char('%'));
    }

    void automaticBrightnessHidesStrengthAndIgnoresSelect()
    {
        settings->setBacklightStrength(60);
        settings->setBacklightAuto(true);
        QCoreApplication::processEvents();
        QCOMPARE(lineText(SettingsView::MENU_BACKLIGHT_STRENGTH), QStringLiteral("--"));
        QCOMPARE(lineText(SettingsView::MENU_BACKLIGHT_AUTO), QStringLiteral("E22"));
        press(5);
        QCOMPARE(int(settings->getBacklightStrength()), 60);

        // The mode line toggles automatic off and the strength comes back.
        goToLine(1);
        press(5);
        QVERIFY(!settings->getBacklightAuto());
        QCOMPARE(lineText(SettingsView::MENU_BACKLIGHT_AUTO), QStringLiteral("E23"));
        QCOMPARE(lineText(SettingsView::MENU_BACKLIGHT_STRENGTH), QStringLiteral("60%"));
    }

    void unitLinesToggleAndUnknownWeightFallsBackToKg()
    {
        goToLine(WeightLine);
        QCOMPARE(lineText(SettingsView::MENU_WEIGHT_UNIT), QStringLiteral("Kg"));
        press(5);
        QCOMPARE(settings->getWeightUnitType(), UNIT_LB);
        QCOMPARE(lineText(SettingsView::MENU_WEIGHT_UNIT), QStringLiteral("lb"));

        view->weightUnittypeChanged(static_cast<unit_t>(9));
        QCOMPARE(lineText(SettingsView::MENU_WEIGHT_UNIT), QStringLiteral("?"));
        press(5);
        QCOMPARE(settings->getWeightUnitType(), UNIT_KG);
        QCOMPARE(lineText(SettingsView::MENU_WEIGHT_UNIT), QStringLiteral("Kg"));

        press(6);
        QCOMPARE(lineText(SettingsView::MENU_TEMPERATURE_UNIT), QString(QChar(0x00BA)) + QLatin1Char('C'));
        press(5);
        QCOMPARE(settings->getTempUnitType(), UNIT_FAHRENHEIT);
        QCOMPARE(lineText(SettingsView::MENU_TEMPERATURE_UNIT), QString(QChar(0x00BA)) + QLatin1Char('F'));
        press(6);
        QCOMPARE(lineText(SettingsView::MENU_EVS_UNIT), QStringLiteral("%"));
        press(5);
        QCOMPARE(settings->getEvsUnitType(), UNIT_DEGREES);
        QCOMPARE(lineText(SettingsView::MENU_EVS_UNIT), QString(QChar(0x00BA)));
        press(5);
        QCOMPARE(settings->getEvsUnitType(), UNIT_PERCENT);
    }

    void softKeySetsFollowTheSelectedLine()
    {
        QVERIFY(buttonActive(0) && buttonActive(1) && buttonActive(2));
        QVERIFY(!buttonActive(3));
        QVERIFY(buttonShows(0, ":/images/arrow_up.png"));
        QVERIFY(buttonShows(1, ":/images/arrow_down.png"));
        QVERIFY(buttonShows(2, ":/images/select.png"));

        goToLine(ClockLine);
        QVERIFY(buttonActive(2) && buttonActive(3));
        QVERIFY(buttonShows(2, ":/images/plus1hour.png"));
        QVERIFY(buttonShows(3, ":/images/plus1min.png"));

        goToLine(ActiveHoursLine);
        QVERIFY(buttonActive(0) && buttonActive(1));
        QVERIFY(!buttonActive(2) && !buttonActive(3));
        const long before = settings->getClockTimeOffset();
        press(5);
        press(4);
        QCOMPARE(settings->getClockTimeOffset(), before);
    }

    void clockLineAddsHourAndMinute()
    {
        goToLine(ClockLine);
        const long before = settings->getClockTimeOffset();
        press(5);
        QCOMPARE(settings->getClockTimeOffset(), before + 3600);
        press(4);
        QCOMPARE(settings->getClockTimeOffset(), before + 3660);
    }

    void clockTypeTogglesAndUnknownTypeKeepsText()
    {
        goToLine(ClockTypeLine);
        settings->setClockType(CLOCK_24H);
        QCoreApplication::processEvents();
        QCOMPARE(lineText(SettingsView::MENU_CLOCK_TYPE), QStringLiteral("E27"));
        press(5);
        QCOMPARE(settings->getClockType(), CLOCK_12H);
        QCOMPARE(lineText(SettingsView::MENU_CLOCK_TYPE), QStringLiteral("E51"));
        view->clockTypeChanged(static_cast<clocktype_t>(5));
        QCOMPARE(lineText(SettingsView::MENU_CLOCK_TYPE), QStringLiteral("E51"));
        press(5);
        QCOMPARE(settings->getClockType(), CLOCK_12H);
    }

    void languageChoiceWrapsAround()
    {
        settings->setSelectedLanguage(1);
        // The settings store tells the language subject, which then tells its observers.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(LanguageSubject::languageSupport->getActiveLanguage(), 1);
        QCOMPARE(lineText(SettingsView::MENU_LANGUAGE), QStringLiteral("Deutsch"));
        goToLine(LanguageLine);
        press(5);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(settings->getSelectedLanguage(), 2);
        QCOMPARE(lineText(SettingsView::MENU_LANGUAGE), QStringLiteral("Svenska"));
        // Captions and value texts follow the language.
        QCOMPARE(view->menuLine(SettingsView::MENU_CLOCK)->getTitleLabel()->text(), QStringLiteral("S25"));
        press(5);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(settings->getSelectedLanguage(), 0);
        QCOMPARE(lineText(SettingsView::MENU_LANGUAGE), QStringLiteral("English"));
    }

    void noticesPageScrollsAndReturnsToTheMenu()
    {
        auto* notices = view->findChild<QScrollArea*>(QStringLiteral("scrollArea_notices"));
        auto* menuArea = view->findChild<QScrollArea*>(QStringLiteral("scrollArea"));
        auto* text = view->findChild<QLabel*>(QStringLiteral("label_notices"));
        QVERIFY(notices && menuArea && text);
        QVERIFY(notices->isHidden());
        QCOMPARE(text->text(), QStringLiteral("Loading.."));
        QString longText;
        for (int i = 0; i < 200; ++i)
            longText += QStringLiteral("Notice line %1\n").arg(i);
        view->licenseChanged(longText);

        goToLine(NoticesLine);
        press(5);
        QVERIFY(view->isNoticesPageShown());
        QVERIFY(!notices->isHidden());
        QVERIFY(menuArea->isHidden());
        QCoreApplication::processEvents();
        QScrollBar* bar = notices->verticalScrollBar();
        QVERIFY(bar->maximum() > 200);
        QCOMPARE(bar->value(), 0);
        press(6);
        press(6);
        QCOMPARE(bar->value(), 160);
        press(7);
        QCOMPARE(bar->value(), 80);
        press(4); // does nothing here
        QVERIFY(view->isNoticesPageShown());
        QCOMPARE(view->getSelectedIndex(), NoticesLine);

        press(5);
        QVERIFY(!view->isNoticesPageShown());
        QVERIFY(notices->isHidden());
        QVERIFY(!menuArea->isHidden());
        QCOMPARE(view->getSelectedIndex(), NoticesLine);
    }

    void noticesWrapWithinThePageDespiteAnOverlongWord()
    {
        // One web address wider than the page must not widen the text past
        // the visible area, or every wrapped line is cut on the right.
        auto* notices = view->findChild<QScrollArea*>(QStringLiteral("scrollArea_notices"));
        auto* text = view->findChild<QLabel*>(QStringLiteral("label_notices"));
        QVERIFY(notices && text);
        view->licenseChanged(QStringLiteral("Licence terms for the components listed below, as far as they apply:\n")
                             + QStringLiteral("<https://www.example.org/") + QString(80, QLatin1Char('x'))
                             + QStringLiteral(".html>\n"));
        goToLine(NoticesLine);
        press(5);
        QVERIFY(view->isNoticesPageShown());
        QCoreApplication::processEvents();
        QVERIFY2(text->width() <= notices->viewport()->width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(text->width()).arg(notices->viewport()->width())));
        QCOMPARE(notices->horizontalScrollBar()->maximum(), 0);
        press(5);
    }

    void keysMarkTheRightMenuAndOthersAreIgnored()
    {
        view->buttonPressed(7);
        QVERIFY(menu->button(0)->pressed());
        view->buttonReleased(7);
        QVERIFY(!menu->button(0)->pressed());
        view->buttonPressed(4);
        QVERIFY(menu->button(3)->pressed());
        view->buttonReleased(4);
        // Left-menu keys belong to the mode widget.
        view->buttonPressed(0);
        view->buttonPressed(3);
        QCOMPARE(view->getSelectedIndex(), 0);
        for (int i = 0; i < 4; ++i)
            QVERIFY(!menu->button(i)->pressed());
    }

    void keysArriveThroughTheSubjectOnlyWhileShown()
    {
        keys->setButtonState(0x01); // key 7: up, nothing to move to on the first line
        QCoreApplication::processEvents();
        keys->setButtonState(0x00);
        QCoreApplication::processEvents();
        keys->setButtonState(0x02); // key 6: down
        QCoreApplication::processEvents();
        QCOMPARE(view->getSelectedIndex(), 1);
        keys->setButtonState(0x00);
        QCoreApplication::processEvents();

        view->onSuspend();
        for (int i = 0; i < 4; ++i)
            QVERIFY(!buttonActive(i));
        keys->setButtonState(0x02);
        QCoreApplication::processEvents();
        QCOMPARE(view->getSelectedIndex(), 1);
        QCOMPARE(keys->getNumberOfAttachedObservers(), 0);
        // Only the language and clock subjects, which follow the store themselves, remain.
        QCOMPARE(settings->getNumberOfAttachedObservers(), 2);
    }
};

QTEST_MAIN(SettingsViewTest)

#include "settingsviewtest.moc"
