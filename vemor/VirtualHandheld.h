#pragma once

#include <QWidget>

class View;

// The desktop stand-in of the handheld: frames the application's 480x272
// view with the soft buttons, LEDs, buzzer and backlight indicators and the
// hardware controls around it.
class VirtualHandheld : public QWidget {
    Q_OBJECT
public:
    explicit VirtualHandheld(View* view, QWidget* parent = nullptr);
    // Shows the window, or runs headless as the command line asks.
    void start();

private:
    View* m_view;
};
