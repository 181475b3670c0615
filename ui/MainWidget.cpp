#include "MainWidget.h"

#include "app/CenterViewFactory.h"
#include "model/ErrorSubject.h"
#include "model/LanguageSubject.h"
#include "model/RclOverrideSubject.h"
#include "ui/FullScreenMessage.h"
#include "ui/FullscreenMessageFactory.h"
#include "ui/ModeWidget.h"

#include "ui_mainWidget.h"

#include <cmath>

namespace {

QString text(int id)
{
    if (CenterViewFactory::languageSubject)
        return CenterViewFactory::languageSubject->getText(id);
    if (LanguageSubject::languageSupport)
        return LanguageSubject::languageSupport->getText(id);
    return QStringLiteral("LanguageSupport class not constructed!");
}

QString padded(unsigned int code)
{
    return QString::number(code).rightJustified(3, QLatin1Char('0'));
}

fullscreenMessage_id messageFor(int state)
{
    switch (state) {
    case UiModeSubject::UI_NOT_PAIRED:
        return FULLSCREEN_SYNC_REQUEST;
    case UiModeSubject::UI_RCL_UPDATE:
        return FULLSCREEN_RCL_UPDATE;
    case UiModeSubject::UI_NO_SIGNAL:
        return FULLSCREEN_NO_SIGNAL;
    case UiModeSubject::UI_DISPLAY_UPDATE:
        return FULLSCREEN_DISPLAY_UPDATE;
    case UiModeSubject::UI_INIT:
        return FULLSCREEN_SPLASH;
    case UiModeSubject::UI_OVERRIDE:
        return FULLSCREEN_OVERRIDE;
    case UiModeSubject::UI_ERROR:
        return FULLSCREEN_ERROR;
    case UiModeSubject::UI_SLEEP:
        return FULLSCREEN_SLEEP;
    default:
        return FULLSCREEN_STOP;
    }
}

} // namespace

MainWidget::MainWidget(RclInfoSubject* info, ErrorSubject* error, RclOverrideSubject* override,
                       UiModeSubject* uiMode, UiGenerationSubject* generation, ModeWidget* mode)
    : QWidget(nullptr)
    , RclInfoObserver(info)
    , RclErrorObserver(error)
    , OverrideObserver(override)
    , UiModeObserver(uiMode)
    , UiGenerationObserver(generation)
    , ui(new Ui::mainWidget)
    , modeWidget(mode)
    , uiGeneration(generation ? generation->generation : UI_GEN3)
{
    ui->setupUi(this);
    if (modeWidget) {
        ui->verticalLayout_2->addWidget(modeWidget);
        modeWidget->hide();
    }
    RclErrorObserver::attach();
    OverrideObserver::attach();
    UiModeObserver::attach();
    UiGenerationObserver::attach();
}

MainWidget::~MainWidget()
{
    RclErrorObserver::detach();
    OverrideObserver::detach();
    UiModeObserver::detach();
    UiGenerationObserver::detach();
    delete ui;
}

void MainWidget::uiModeChange(UiModeSubject::uiState_t state)
{
    changeView(state);
}

void MainWidget::uiGenerationChanged(uiGenerations_t generation)
{
    uiGeneration = generation;
}

QWidget* MainWidget::getFullScreenWidget(UiModeSubject::uiState_t state)
{
    const int s = static_cast<int>(state);
    if (isOperating(s))
        return modeWidget;
    if (s < UiModeSubject::UI_NOT_PAIRED || s > UiModeSubject::UI_STOP)
        return nullptr;
    FullScreenMessage* m = FullscreenMessageFactory::makeFullscreenMessage(messageFor(s), uiGeneration);
    if (m && s == UiModeSubject::UI_OVERRIDE)
        m->setDescription(overrideText);
    else if (m && s == UiModeSubject::UI_ERROR)
        m->setDescription(errorText);
    return m;
}

void MainWidget::changeView(UiModeSubject::uiState_t newState)
{
    const int next = static_cast<int>(newState);
    if (next == currentState)
        return;
    if (isOperating(currentState)) {
        if (modeWidget)
            modeWidget->hide();
    } else if (fullScreenWidget) {
        delete fullScreenWidget;
        fullScreenWidget = nullptr;
    }
    if (isOperating(next)) {
        if (modeWidget)
            modeWidget->show();
    } else {
        fullScreenWidget = getFullScreenWidget(newState);
        if (fullScreenWidget) {
            fullScreenWidget->setParent(this);
            ui->verticalLayout_2->addWidget(fullScreenWidget);
            fullScreenWidget->show();
        }
    }
    currentState = next;
}

void MainWidget::errorCodeChanged(unsigned int code)
{
    errorCode = code;
    updateRclErrorDescription();
}

void MainWidget::altCodeChanged(unsigned int code)
{
    altCode = code;
    updateRclErrorDescription();
}

void MainWidget::updateRclErrorDescription()
{
    if (errorCode == 0)
        return;
    errorText = text(16) + QLatin1Char(' ') + padded(errorCode);
    if (altCode != 0)
        errorText += QLatin1Char('\n') + text(17) + QLatin1Char(' ') + padded(altCode);
    if (currentState == UiModeSubject::UI_ERROR) {
        if (auto* m = qobject_cast<FullScreenMessage*>(fullScreenWidget))
            m->setDescription(errorText);
    }
}

void MainWidget::overrideActive(bool active, unsigned int time)
{
    if (active) {
        if (time == 0 || time == 5000) {
            overrideText = text(18);
        } else {
            const double seconds = static_cast<float>(time) / 1000.0;
            overrideText = text(18) + QStringLiteral(": ") + QString::number(std::lround(seconds)) + QLatin1Char('s');
        }
    }
    if (currentState == UiModeSubject::UI_OVERRIDE) {
        if (auto* m = qobject_cast<FullScreenMessage*>(fullScreenWidget))
            m->setDescription(overrideText);
    }
}
