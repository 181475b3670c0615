#pragma once

#include "model/OverrideObserver.h"
#include "model/RclErrorObserver.h"
#include "model/RclInfoObserver.h"
#include "model/UiGenerationObserver.h"
#include "model/UiModeObserver.h"

#include <QString>
#include <QWidget>

class ErrorSubject;
class ModeWidget;
class RclOverrideSubject;
namespace Ui {
class mainWidget;
}

// Decides what fills the screen: the mode widget in the two operating states,
// otherwise one full-screen message for the UI state. Also composes the
// error and override descriptions from the controller's codes.
class MainWidget : public QWidget,
                   public RclInfoObserver,
                   public RclErrorObserver,
                   public OverrideObserver,
                   public UiModeObserver,
                   public UiGenerationObserver {
    Q_OBJECT
public:
    MainWidget(RclInfoSubject* info, ErrorSubject* error, RclOverrideSubject* override, UiModeSubject* uiMode,
               UiGenerationSubject* generation, ModeWidget* modeWidget);
    ~MainWidget() override;

    void errorCodeChanged(unsigned int code) override;
    void altCodeChanged(unsigned int code) override;
    void overrideActive(bool active, unsigned int time) override;
    void uiModeChange(UiModeSubject::uiState_t state) override;
    void uiGenerationChanged(uiGenerations_t generation) override;

    void changeView(UiModeSubject::uiState_t newState);
    QWidget* getFullScreenWidget(UiModeSubject::uiState_t state);

    QWidget* currentFullScreenWidget() const { return fullScreenWidget; }
    int getCurrentState() const { return currentState; }
    QString getErrorText() const { return errorText; }
    QString getOverrideText() const { return overrideText; }

private:
    void updateRclErrorDescription();
    static bool isOperating(int state) { return state == UiModeSubject::UI_CRANE || state == UiModeSubject::UI_STAB; }

    Ui::mainWidget* ui;
    QWidget* modeWidget;
    int currentState = -1; // no screen yet
    QWidget* fullScreenWidget = nullptr;
    uiGenerations_t uiGeneration;
    unsigned int errorCode = 0;
    unsigned int altCode = 0;
    QString overrideText;
    QString errorText;
};
