#include "ui/ModeWidget.h"

#include "app/CenterViewFactory.h"
#include "ui/EvsIIINotification.h"
#include "ui/OpacityFade.h"
#include "ui/SideMenu.h"
#include "ui/StatusBar.h"
#include "ui_modewidget.h"

#include <QPropertyAnimation>
#include <QResizeEvent>

ModeWidget::ModeWidget(StatusBar* statusBar, SideMenu* left, SideMenu* right, SoftButtonSubject* softButtons,
                       UiGenerationSubject* uiGenerationSubject, UiModeSubject* uiModeSubject,
                       EvsAvailableSubject* evsAvailableSubject, GstVideoStreamSubject* videoStreamSubject)
    : QWidget(nullptr)
    , SoftButtonObserver(softButtons)
    , UiGenerationObserver(uiGenerationSubject)
    , UiModeObserver(uiModeSubject)
    , EvsAvailableObserver(evsAvailableSubject)
    , GstVideoStreamObserver(videoStreamSubject)
    , ui(new Ui::modewidget)
    , activeCollection(&craneModeViews)
    , uiGeneration(getUiGeneration())
    , statusBar(statusBar)
    , leftMenu(left)
    , rightMenu(right)
{
    ui->setupUi(this);
    swapMenuPixmap = QPixmap(QStringLiteral(":/images/arrow_upAndDown.png"));

    // A missing widget leaves its placeholder, so the layout keeps its shape.
    // The layout hands back the placeholder's item; it is ours to delete.
    if (left) {
        delete ui->gridLayout->replaceWidget(ui->leftMenuPlaceholder, left);
        delete ui->leftMenuPlaceholder;
        ui->leftMenuPlaceholder = nullptr;
    }
    if (right) {
        delete ui->gridLayout->replaceWidget(ui->rightMenuPlaceholder, right);
        delete ui->rightMenuPlaceholder;
        ui->rightMenuPlaceholder = nullptr;
    }
    if (statusBar) {
        delete ui->grid->replaceWidget(ui->statusbarPlaceholder, statusBar);
        delete ui->statusbarPlaceholder;
        ui->statusbarPlaceholder = nullptr;
    }

    craneModeViews.views = {HDL_VIEW, OVERVIEW_VIEW, SETTINGS_VIEW};
    stabModeViews.views = {STABILIZE_VIEW, SETTINGS_VIEW};

    evsIIINotification = new EvsIIINotification(this, CenterViewFactory::subjectEvsIII, softButtons);

    handleButtonPress(0);

    SoftButtonObserver::attach();
    UiGenerationObserver::attach();
    UiModeObserver::attach();
    EvsAvailableObserver::attach();
    GstVideoStreamObserver::attach();
}

ModeWidget::~ModeWidget()
{
    // The view may still talk to the side menus while it goes; they are
    // children too and could be deleted first by QWidget.
    delete currentView;
    currentView = nullptr;
    delete ui;
}

void ModeWidget::buttonState(unsigned int) {}

void ModeWidget::buttonPressed(unsigned int button)
{
    if (leftMenu && button < static_cast<unsigned int>(MenuButtons))
        leftMenu->setButtonPressed(static_cast<int>(button), true);
    handleButtonPress(button);
}

void ModeWidget::buttonReleased(unsigned int button)
{
    if (leftMenu && button < static_cast<unsigned int>(MenuButtons))
        leftMenu->setButtonPressed(static_cast<int>(button), false);
}

void ModeWidget::uiGenerationChanged(uiGenerations_t generation)
{
    uiGeneration = generation;
    updateViewMenu();
}

void ModeWidget::uiModeChange(UiModeSubject::uiState_t state)
{
    if (state == UiModeSubject::UI_CRANE)
        activeCollection = &craneModeViews;
    else if (state == UiModeSubject::UI_STAB)
        activeCollection = &stabModeViews;
    changeCenterWidget();
    updateViewMenu();
}

void ModeWidget::evsAvailableChanged(bool available)
{
    if (available) {
        // The selection index is kept on purpose: the view on its slot moves
        // down and EVS takes its place, which is what the operator expects
        // when EVS comes up.
        if (!craneModeViews.views.contains(EVS_VIEW)) {
            const int at = craneModeViews.views.isEmpty() ? 0 : 1;
            craneModeViews.views.insert(at, EVS_VIEW);
        }
    } else {
        removeView(&craneModeViews, EVS_VIEW);
    }
    changeCenterWidget();
    updateViewMenu();
}

void ModeWidget::streamingAvailableChanged(bool available)
{
    centerViewCollection_t& c = craneModeViews;
    if (available) {
        if (c.views.contains(CAMERA_VIEW))
            return;
        const int oldCount = c.views.size();
        const int at = oldCount > 0 ? oldCount - 1 : 0;
        c.views.insert(at, CAMERA_VIEW);
        // Nothing is rebuilt here, so the index must keep naming the view on
        // display; otherwise the next press would silently swap it.
        if (static_cast<int>(c.selected) >= at && static_cast<int>(c.selected) < oldCount)
            ++c.selected;
    } else {
        const int at = c.views.indexOf(CAMERA_VIEW);
        if (at < 0)
            return;
        if (static_cast<int>(c.selected) > at)
            --c.selected;
        removeView(&c, CAMERA_VIEW);
    }
}

bool ModeWidget::canSwapMenu() const
{
    const quint64 count = static_cast<quint64>(activeCollection->views.size());
    return static_cast<quint64>(activeCollection->pageOffset) + MenuButtons < count
        || activeCollection->pageOffset != 0;
}

void ModeWidget::handleButtonPress(unsigned int button)
{
    if (button > static_cast<unsigned int>(SwapButton) || overlayShowing())
        return;
    centerViewCollection_t* c = activeCollection;
    const quint64 count = static_cast<quint64>(c->views.size());
    if (button == static_cast<unsigned int>(SwapButton) && canSwapMenu()) {
        c->pageOffset += SwapButton;
        if (c->pageOffset >= count)
            c->pageOffset = 0;
    } else if (static_cast<quint64>(c->pageOffset) + button < count) {
        c->selected = c->pageOffset + button;
    }
    changeCenterWidget();
    updateViewMenu();
}

void ModeWidget::changeCenterWidget()
{
    delete currentView;
    currentView = nullptr;
    currentViewType = -1;

    const centerViewCollection_t* c = activeCollection;
    if (c->selected < static_cast<quint32>(c->views.size())) {
        const centerViewType_t type = c->views.at(static_cast<int>(c->selected));
        currentView = CenterViewFactory::makeCenterView(type);
        if (currentView) {
            currentViewType = type;
            ui->verticalLayout_Center->addWidget(currentView);
            currentView->showWidget();
        }
    }
    if (evsIIINotification)
        evsIIINotification->raise();
}

void ModeWidget::updateViewMenu()
{
    if (!leftMenu)
        return;
    const centerViewCollection_t* c = activeCollection;
    const quint64 count = static_cast<quint64>(c->views.size());
    const bool swap = canSwapMenu();
    for (int i = 0; i < MenuButtons; ++i) {
        const quint64 idx = static_cast<quint64>(c->pageOffset) + static_cast<quint64>(i);
        if (idx == c->selected && idx < count && !(i == SwapButton && swap)) {
            leftMenu->setButtonLogo(i, CenterViewFactory::makeCenterViewIcon(c->views.at(static_cast<int>(idx)), uiGeneration));
            leftMenu->setButtonActive(i, true);
            leftMenu->setButtonSelected(i, true);
        } else if (idx < count) {
            leftMenu->setButtonLogo(i, CenterViewFactory::makeCenterViewIcon(c->views.at(static_cast<int>(idx)), uiGeneration));
            leftMenu->setButtonActive(i, true);
            leftMenu->setButtonSelected(i, false);
        } else {
            leftMenu->setButtonActive(i, false);
            leftMenu->clrButtonLogo(i);
        }
    }
    if (swap) {
        leftMenu->setButtonLogo(SwapButton, swapMenuPixmap);
        leftMenu->setButtonActive(SwapButton, true);
        // A mark left from an earlier page would draw the arrow as selected.
        leftMenu->setButtonSelected(SwapButton, false);
    }
}

void ModeWidget::removeView(centerViewCollection_t* collection, centerViewType_t type)
{
    if (!collection)
        return;
    for (int i = collection->views.indexOf(type); i >= 0; i = collection->views.indexOf(type)) {
        collection->views.removeAt(i);
        const quint32 count = static_cast<quint32>(collection->views.size());
        if (collection->selected >= count)
            collection->selected = count > 0 ? count - 1 : 0;
    }
}

bool ModeWidget::overlayShowing() const
{
    // Asked of the overlay itself, not of its window: the mode widget may be
    // hidden behind a message while the guidance is up.
    return evsIIINotification && !evsIIINotification->isHidden();
}

void ModeWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!evsIIINotification)
        return;
    const int w = width();
    const int h = w / 4;
    evsIIINotification->setFixedWidth(w);
    evsIIINotification->setFixedHeight(h);
    evsIIINotification->move(0, height() - h);
    evsIIINotification->raise();
    evsIIINotification->repaint();
}

void ModeWidget::fadein(unsigned int ms)
{
    show();
    OpacityFade::run(OpacityFade::make(this, 0.0, 1.0, ms));
}

void ModeWidget::fadeout(unsigned int ms)
{
    QPropertyAnimation* animation = OpacityFade::make(this, 1.0, 0.0, ms);
    connect(animation, &QPropertyAnimation::finished, this, &ModeWidget::hideThisWidget);
    OpacityFade::run(animation);
}

void ModeWidget::hideThisWidget()
{
    hide();
    emit widgetHidden();
}
