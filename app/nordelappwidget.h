#pragma once

#include <QSettings>
#include <QWidget>

class BatterySubject;
class BuzzerCtrlSubject;
class ButtonSubject;
class CanSubject;
class DeviceInfoSubject;
class LedControl;
class LeverPositionSubject;
class MainWidget;
class RcBacklightSubject;
class RcLinkSubject;
class SoftButtonSubject;
namespace Ui {
class nordelappwidget;
}

// The application's root widget: builds the whole object graph once, in a
// fixed order (settings, shared subjects, clock, status bar, mode widget,
// main widget, then the LED, backlight and buzzer handlers).
class nordelappwidget : public QWidget {
    Q_OBJECT
public:
    nordelappwidget(SoftButtonSubject* softButtons, RcLinkSubject* rcLink, BatterySubject* battery,
                    LeverPositionSubject* levers, DeviceInfoSubject* deviceInfo, ButtonSubject* buttons,
                    RcBacklightSubject* backlight, CanSubject* can, LedControl* leds, BuzzerCtrlSubject* buzzer);
    ~nordelappwidget() override;

    MainWidget* mainWidget() const { return main; }

private:
    // Constructed first, before the organisation and application names are
    // set, so the unit keeps the settings file it has always used.
    QSettings settings;
    Ui::nordelappwidget* ui;
    MainWidget* main = nullptr;
};
