#pragma once

#include "model/EvsAvailableObserver.h"
#include "model/UiGenerationObserver.h"
#include "model/UiModeObserver.h"
#include "platform/SoftButtonObserver.h"
#include "ui/CenterView.h"
#include "views/GstVideoStreamObserver.h"

#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

class EvsIIINotification;
class EvsAvailableSubject;
class GstVideoStreamSubject;
class QResizeEvent;
class SideMenu;
class SoftButtonSubject;
class StatusBar;
class UiGenerationSubject;
class UiModeSubject;
namespace Ui {
class modewidget;
}

// The operating screen: status bar on top of the current centre view, framed
// by the two side menus. The left menu chooses among the views offered in
// the controller's current mode (crane or stabiliser); EVS and camera views
// join the crane list while they are available. Fed by the soft keys, the UI
// mode and generation, EVS availability and the camera stream; also hosts
// the EVS III guidance overlay, which takes the left keys while it shows.
class ModeWidget : public QWidget,
                   public SoftButtonObserver,
                   public UiGenerationObserver,
                   public UiModeObserver,
                   public EvsAvailableObserver,
                   public GstVideoStreamObserver {
    Q_OBJECT
public:
    struct centerViewCollection_t {
        quint32 selected = 0;
        quint32 pageOffset = 0;
        QList<centerViewType_t> views;
    };

    static constexpr int MenuButtons = 4;
    static constexpr int SwapButton = 3;

    ModeWidget(StatusBar* statusBar, SideMenu* left, SideMenu* right, SoftButtonSubject* softButtons,
               UiGenerationSubject* uiGenerationSubject, UiModeSubject* uiModeSubject,
               EvsAvailableSubject* evsAvailableSubject, GstVideoStreamSubject* videoStreamSubject);
    ~ModeWidget() override;

    void buttonState(unsigned int mask) override;
    void buttonPressed(unsigned int button) override;
    void buttonReleased(unsigned int button) override;
    void uiGenerationChanged(uiGenerations_t generation) override;
    void uiModeChange(UiModeSubject::uiState_t state) override;
    void evsAvailableChanged(bool available) override;
    void streamingAvailableChanged(bool available) override;

    bool canSwapMenu() const;
    void changeCenterWidget();
    void updateViewMenu();
    void handleButtonPress(unsigned int button);
    void removeView(centerViewCollection_t* collection, centerViewType_t type);

    const centerViewCollection_t& getCraneModeViews() const { return craneModeViews; }
    const centerViewCollection_t& getStabModeViews() const { return stabModeViews; }
    const centerViewCollection_t* getActiveCollection() const { return activeCollection; }
    CenterView* getCurrentView() const { return currentView; }
    // The type the view on display was built from; -1 while none is.
    int getCurrentViewType() const { return currentViewType; }
    EvsIIINotification* getEvsIIINotification() const { return evsIIINotification; }

signals:
    void widgetHidden();

public slots:
    void fadein(unsigned int ms);
    void fadeout(unsigned int ms);
    void hideThisWidget();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    bool overlayShowing() const;

    Ui::modewidget* ui;
    centerViewCollection_t craneModeViews;
    centerViewCollection_t stabModeViews;
    centerViewCollection_t* activeCollection;
    uiGenerations_t uiGeneration;
    CenterView* currentView = nullptr;
    int currentViewType = -1;
    QPixmap swapMenuPixmap;
    StatusBar* statusBar;
    QPointer<SideMenu> leftMenu;
    QPointer<SideMenu> rightMenu;
    // Held per instance rather than per file: a second mode widget (tests,
    // a rebuilt screen) must never reach an overlay another one deleted.
    // A child of this widget, so it lives exactly as long.
    EvsIIINotification* evsIIINotification = nullptr;
};
