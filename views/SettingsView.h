#pragma once

#include "core/SettingsObserver.h"
#include "model/ClockObserver.h"
#include "model/EvsAvailableObserver.h"
#include "model/LanguageObserver.h"
#include "model/ServiceObserver.h"
#include "platform/SoftButtonObserver.h"
#include "ui/CenterView.h"
#include "views/LicenseObserver.h"

#include <QList>
#include <QPointer>

class ClockSubject;
class EvsAvailableSubject;
class LanguageSubject;
class LicenseSubject;
class MenuLine;
class QLayout;
class ServiceSubject;
class SettingsSubject;
class SideMenu;
class SoftButtonSubject;

namespace Ui {
class SettingsView;
}

// Centre view with the operator's settings, service counters and version
// data as a scrollable menu, worked with the four soft keys of the right
// side menu; also shows the open-source notices. Changes go to the settings
// store or the clock and come back through their notifications.
class SettingsView : public CenterView,
                     public SettingsObserver,
                     public SoftButtonObserver,
                     public EvsAvailableObserver,
                     public LicenseObserver,
                     public ClockObserver,
                     public ServiceObserver,
                     public LanguageObserver {
    Q_OBJECT
public:
    enum menuPoint_t {
        MENU_BACKLIGHT_AUTO = 0,
        MENU_BACKLIGHT_STRENGTH = 1,
        MENU_WEIGHT_UNIT = 2,
        MENU_TEMPERATURE_UNIT = 3,
        MENU_EVS_UNIT = 4,
        MENU_CLOCK = 6,
        MENU_CLOCK_TYPE = 7,
        MENU_NOTICES = 8,
        MENU_HOURS_TO_SERVICE = 9,
        MENU_HOURS_TO_OIL_SERVICE = 10,
        MENU_DAYS_TO_PLANNED_SERVICE = 11,
        MENU_VERSION = 12,
        MENU_ACTIVE_HOURS = 13,
        MENU_LANGUAGE = 14,
        MENU_TRANSLATION_VERSION = 15,
    };
    // Which action key was used: the third soft key or the fourth.
    enum selectButton_t {
        SELECT_BUTTON = 0,
        SECOND_BUTTON = 1,
    };

    SettingsView(SideMenu* rightMenu, SettingsSubject* settings, SoftButtonSubject* softButtons,
                 EvsAvailableSubject* evsAvailable, LicenseSubject* license, ClockSubject* clock,
                 ServiceSubject* service, LanguageSubject* language, QWidget* parent = nullptr);
    ~SettingsView() override;

    void onResume() override;
    void onSuspend() override;

    void buttonPressed(unsigned int button) override;
    void buttonReleased(unsigned int button) override;
    void backlightAutoChanged(bool automatic) override;
    void backlightStrengthChanged(unsigned char strength) override;
    void weightUnittypeChanged(unit_t t) override;
    void tempratureUnittypeChanged(unit_t t) override;
    void evsUnittypeChanged(unit_t t) override;
    void clockTypeChanged(clocktype_t t) override;
    void clockStringChanged(QString text) override;
    void opearionHoursToNextServiceStringChanged(QString text) override;
    void opearionHoursToNextOilServiceStringChanged(QString text) override;
    void daysToNextPlannedServiceStringChanged(QString text) override;
    void activeHoursChanged(QString text) override;
    void licenseChanged(QString text) override;
    using SettingsObserver::languageChanged;
    void languageChanged() override;

    // State of the menu, for the owner and for checks.
    int getSelectedIndex() const { return selected; }
    int getSelectedId() const;
    bool isNoticesPageShown() const { return noticesShown; }
    MenuLine* menuLine(menuPoint_t id) const;
    int numberOfMenuLines() const { return menuLines.size(); }

protected:
    bool event(QEvent* event) override;

private:
    // The view may be taller than the room it is given (its least height is
    // more than the operating screen leaves it): its lists end where the
    // screen does, so every line can be scrolled into sight.
    void keepListsOnScreen();
    void menuSelected(SettingsView::selectButton_t sel);
    void menuUpPushed();
    void menuDownPushed();
    void selectLine(int index);
    void updateSoftButtons();
    void setSelectSoftButtons();
    void setNavitagionOnlySoftButtons();
    void setClockSoftButtons();
    void clrSoftButtons();
    void setSoftButton(int i, const QPixmap& pixmap);
    void clrSoftButton(int i);
    void addMenuGroupTitle(LanguageSupport::translations_t id);
    void addMenuItem(LanguageSupport::translations_t caption, QString initial, menuPoint_t id);
    void addMenuLine();
    void hideLayout(QLayout* layout, bool hide);
    void setLineText(menuPoint_t id, QString text);
    QString lineText(menuPoint_t id) const;
    void showBacklightMode();
    void showBacklightStrength();
    void showClockType();
    void showLanguage();

    // One operation per menu action.
    void toggleBacklightAuto();
    void stepBacklightStrength();
    void toggleWeightUnit();
    void toggleTemperatureUnit();
    void toggleEvsUnit();
    void toggleClockType();
    void nextLanguage();
    void openNotices();
    void closeNotices();
    void scrollNotices(int pixels);

    Ui::SettingsView* ui;
    // Guarded: the menu belongs to the mode widget and may go first at shutdown.
    QPointer<SideMenu> sideMenu;
    LicenseSubject* licenseSubject;
    QList<MenuLine*> menuLines;
    int selected = 0;
    unsigned char storedStrength = 0;
    bool storedAuto = false;
    clocktype_t storedClockType = CLOCK_24H;
    bool noticesShown = false;
    bool resumed = false;
};
