#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

// The exchangeable views of the work area, in the order the controller's
// configurations know them. The mode widget keeps lists of these and the
// centre-view factory builds a view and its menu icon from one.
enum centerViewType_t {
    HDL_VIEW = 0,
    EVS_VIEW = 1,
    OVERVIEW_VIEW = 2,
    SETTINGS_VIEW = 3,
    STABILIZE_VIEW = 4,
    INFO_VIEW = 5,
    CAMERA_VIEW = 6,
};

// Base of every view shown in the middle of the operating screen. The mode
// widget builds one at a time through the centre-view factory, shows it and
// deletes it when another is chosen; views use the hooks to start and stop
// whatever they only need while on display.
class CenterView : public QWidget {
    Q_OBJECT
public:
    explicit CenterView(QWidget* parent = nullptr);
    ~CenterView() override;

    virtual void onResume();
    virtual void onSuspend();

    QString getTitle() const { return title; }
    QPixmap getIcon() const { return icon; }

signals:
    void widgetHidden();

public slots:
    void fadein(unsigned int ms);
    void fadeout(unsigned int ms);
    void showWidget();
    void hideWidget();

protected:
    QString title;
    QPixmap icon;
};
