#include "views/HdlView.h"

#include "model/FlyjibAvailableObserver.h"
#include "model/FunctionStateObserver.h"
#include "model/LanguageObserver.h"
#include "model/LoadsAndDerateObserver.h"
#include "model/RegeneraitonAvailableObserver.h"
#include "model/RegenerationModeObserver.h"
#include "model/UiGenerationObserver.h"
#include "model/WinchAvailableObserver.h"
#include "ui/BarTextFit.h"
#include "ui/InvalidLook.h"
#include "ui/StyleSheets.h"
#include "ui/WidgetUpdate.h"
#include "ui_HdlView.h"
#include "views/CraneHdlModel.h"
#include "views/CraneWithFlyjibHdlModel.h"

#include <QLayoutItem>

namespace {

constexpr int FadeMs = 200;
constexpr LanguageSupport::translations_t TitleText = 63;
constexpr LanguageSupport::translations_t CraneLoadText = 52;
constexpr LanguageSupport::translations_t StrengthText = 53;
constexpr LanguageSupport::translations_t WinchLoadText = 54;
constexpr LanguageSupport::translations_t FlyjibLoadText = 55;
constexpr LanguageSupport::translations_t CraneLoadBesideText = 56;

// Corners are squared where bars touch each other.
const char* const CraneLoadAlone = "QProgressBar {border-bottom-left-radius: 0px;  border-bottom-right-radius: 0px; "
                                   "border-bottom-width: 1px;}";
const char* const CraneLoadBeside = "QProgressBar {border-bottom-left-radius: 0px; border-top-right-radius: 0px; "
                                    "border-bottom-right-radius: 0px; border-right-width: 1px; "
                                    "border-bottom-width: 1px;}";
const char* const MiddleLoad = "QProgressBar {border-radius: 0px; border-left-width: 1px; border-right-width: 1px; "
                               "border-bottom-width: 1px;}";
const char* const RightLoad = "QProgressBar {border-bottom-right-radius: 0px; border-top-left-radius: 0px; "
                              "border-bottom-left-radius: 0px; border-left-width: 1px; border-bottom-width: 1px;}";
const char* const CraneStrengthAlone = "QProgressBar {border-top-left-radius: 0px;  border-top-right-radius: 0px; "
                                       "border-top-width: 1px;}";
const char* const CraneStrengthBeside = "QProgressBar {border-top-left-radius: 0px; border-top-right-radius: 0px; "
                                        "border-bottom-right-radius: 0px; border-right-width: 1px; "
                                        "border-top-width: 1px;}";
const char* const MiddleStrength = "QProgressBar {border-radius: 0px; border-left-width: 1px; "
                                   "border-right-width: 1px; border-top-width: 1px;}";
const char* const RightStrength = "QProgressBar {border-top-right-radius: 0px; border-top-left-radius: 0px; "
                                  "border-bottom-left-radius: 0px; border-left-width: 1px; border-top-width: 1px;}";

// Each adapter hands its notifications to the view's handler of the same name.
class WinchAvailableForward : public WinchAvailableObserver {
public:
    WinchAvailableForward(WinchAvailableSubject* s, HdlView* v)
        : WinchAvailableObserver(s)
        , view(v)
    {
    }
    void winchAvailableChanged(bool available) override { view->winchAvailableChanged(available); }

private:
    HdlView* view;
};

class FlyjibAvailableForward : public FlyjibAvailableObserver {
public:
    FlyjibAvailableForward(FlyjibAvailableSubject* s, HdlView* v)
        : FlyjibAvailableObserver(s)
        , view(v)
    {
    }
    void flyjibAvailableChanged(bool available) override { view->flyjibAvailableChanged(available); }

private:
    HdlView* view;
};

class LoadsForward : public LoadsAndDerateObserver {
public:
    LoadsForward(LoadsAndDerateSubject* s, HdlView* v)
        : LoadsAndDerateObserver(s)
        , view(v)
    {
    }
    void craneLoadChanged(float load, bool valid) override { view->craneLoadChanged(load, valid); }
    void winchLoadChanged(float load, bool valid) override { view->winchLoadChanged(load, valid); }
    void flyjibLoadChanged(float load, bool valid) override { view->flyjibLoadChanged(load, valid); }
    void craneStrengthChanged(float strength) override { view->craneStrengthChanged(strength); }
    void winchStrengthChanged(float strength) override { view->winchStrengthChanged(strength); }
    void flyjibStrengthChanged(float strength) override { view->flyjibStrengthChanged(strength); }

private:
    HdlView* view;
};

class FunctionStateForward : public FunctionStateObserver {
public:
    FunctionStateForward(FunctionStateSubject* s, HdlView* v)
        : FunctionStateObserver(s)
        , view(v)
    {
    }
    void functionStateChanged(functionID_t id, functionState_t state) override
    {
        view->functionStateChanged(id, state);
    }

private:
    HdlView* view;
};

class RegenAvailableForward : public RegeneraitonAvailableObserver {
public:
    RegenAvailableForward(RegeneraitonAvailableSubject* s, HdlView* v)
        : RegeneraitonAvailableObserver(s)
        , view(v)
    {
    }
    void RegeneraitonAvailableChanged(bool available) override { view->RegeneraitonAvailableChanged(available); }

private:
    HdlView* view;
};

class RegenModeForward : public RegenerationModeObserver {
public:
    RegenModeForward(RegenerationModeSubject* s, HdlView* v)
        : RegenerationModeObserver(s)
        , view(v)
    {
    }
    void regenerationModeChanged(unsigned int mode) override { view->regenerationModeChanged(mode); }

private:
    HdlView* view;
};

class UiGenerationForward : public UiGenerationObserver {
public:
    UiGenerationForward(UiGenerationSubject* s, HdlView* v)
        : UiGenerationObserver(s)
        , view(v)
    {
    }
    void uiGenerationChanged(uiGenerations_t generation) override { view->uiGenerationChanged(generation); }

private:
    HdlView* view;
};

} // namespace

struct HdlView::Observers {
    Observers(HdlView* v, WinchAvailableSubject* winchAvailableSubject,
              FlyjibAvailableSubject* flyjibAvailableSubject, LoadsAndDerateSubject* loadsSubject,
              FunctionStateSubject* functionStateSubject, RegeneraitonAvailableSubject* regenAvailableSubject,
              RegenerationModeSubject* regenModeSubject, UiGenerationSubject* uiGenerationSubject,
              LanguageSubject* languageSubject)
        : winchAvailable(winchAvailableSubject, v)
        , flyjibAvailable(flyjibAvailableSubject, v)
        , loads(loadsSubject, v)
        , functionState(functionStateSubject, v)
        , regenAvailable(regenAvailableSubject, v)
        , regenMode(regenModeSubject, v)
        , uiGeneration(uiGenerationSubject, v)
        , language(languageSubject)
    {
    }

    void attachAll()
    {
        winchAvailable.attach();
        flyjibAvailable.attach();
        loads.attach();
        functionState.attach();
        regenAvailable.attach();
        regenMode.attach();
        uiGeneration.attach();
    }

    void detachAll()
    {
        winchAvailable.detach();
        flyjibAvailable.detach();
        loads.detach();
        functionState.detach();
        regenAvailable.detach();
        regenMode.detach();
        uiGeneration.detach();
    }

    WinchAvailableForward winchAvailable;
    FlyjibAvailableForward flyjibAvailable;
    LoadsForward loads;
    FunctionStateForward functionState;
    RegenAvailableForward regenAvailable;
    RegenModeForward regenMode;
    UiGenerationForward uiGeneration;
    // Texts only; it attaches itself so bound labels would follow the language.
    LanguageObserver language;
};

HdlView::HdlView(WinchAvailableSubject* winchAvailable, FlyjibAvailableSubject* flyjibAvailable,
                 LoadsAndDerateSubject* loads, FunctionStateSubject* functionState,
                 RegeneraitonAvailableSubject* regenAvailable, RegenerationModeSubject* regenMode,
                 UiGenerationSubject* uiGeneration, LanguageSubject* language, QWidget* parent)
    : CenterView(parent)
    , ui(new Ui::hdlview)
{
    observers = std::make_unique<Observers>(this, winchAvailable, flyjibAvailable, loads, functionState,
                                            regenAvailable, regenMode, uiGeneration, language);
    ui->setupUi(this);
    for (QProgressBar* bar : {ui->progressBar_CraneLoad, ui->progressBar_FlydibLoad, ui->progressBar_WinchLoad,
                              ui->progressBar_CraneDerate, ui->progressBar_FlyjibDerate, ui->progressBar_WinchDerate}) {
        BarTextFit::watch(bar);
        InvalidLook::watch(bar);
    }
    title = observers->language.getText(TitleText);
    icon = observers->uiGeneration.getIcon(ICON_CRANE);

    currentModel = ui->hdlModel;
    const bool flyjibPresent = observers->flyjibAvailable.getFlyjibAvailable();
    // Opposite on purpose: the first setFlyjibAttached() builds the fresh
    // picture for the present equipment.
    currentModelKind = !flyjibPresent;
    setFlyjibAttached(flyjibPresent);
    setWinchAttached(observers->winchAvailable.getWinchAvailable());
}

HdlView::~HdlView()
{
    onSuspend();
    observers.reset();
    delete ui;
}

void HdlView::onResume()
{
    if (resumed)
        return;
    resumed = true;
    observers->attachAll();
}

void HdlView::onSuspend()
{
    if (!resumed)
        return;
    resumed = false;
    observers->detachAll();
}

void HdlView::winchAvailableChanged(bool available)
{
    setWinchAttached(available);
}

void HdlView::flyjibAvailableChanged(bool available)
{
    setFlyjibAttached(available);
}

void HdlView::setWinchAttached(bool attached)
{
    winchAttached = attached;
    ui->progressBar_WinchLoad->setVisible(attached);
    ui->progressBar_WinchDerate->setVisible(attached);
}

void HdlView::setFlyjibAttached(bool attached)
{
    flyjibAttached = attached;
    updateHdlModel();
    ui->progressBar_FlydibLoad->setVisible(attached);
    ui->progressBar_FlyjibDerate->setVisible(attached);
}

void HdlView::updateHdlModel()
{
    if (currentModelKind == flyjibAttached)
        return;
    HdlModel* model = nullptr;
    if (flyjibAttached)
        model = new CraneWithFlyjibHdlModel(this);
    else
        model = new CraneHdlModel(this);
    replaceHdlModel(model);
    currentModelKind = flyjibAttached;
}

void HdlView::replaceHdlModel(HdlModel* model)
{
    if (!model)
        return;
    model->hide();
    model->setObjectName(QStringLiteral("hdlModel"));
    if (pendingModel) {
        // Another change while the current picture is still fading out: the
        // newest picture takes the waiting one's place. The waiting one was
        // never shown or connected, so nothing can reach it any more.
        delete pendingModel;
        pendingModel = model;
        return;
    }
    pendingModel = model;
    if (!currentModel) {
        insertNewHdlModel();
        return;
    }
    connect(currentModel, &HdlModel::widgetHidden, this, &HdlView::insertNewHdlModel, Qt::UniqueConnection);
    currentModel->fadeout(FadeMs);
}

void HdlView::insertNewHdlModel()
{
    HdlModel* next = pendingModel;
    if (!next)
        return;
    pendingModel = nullptr;
    HdlModel* old = currentModel;
    if (old) {
        disconnect(old, nullptr, this, nullptr);
        QLayoutItem* item = ui->mainlayout->replaceWidget(old, next, Qt::FindChildrenRecursively);
        if (item)
            delete item;
        else
            ui->mainlayout->addWidget(next, 3, 0, 1, 3);
        old->hide();
        // Later, not now: this runs inside the old picture's own signal,
        // emitted from its fade animation.
        old->deleteLater();
    } else {
        ui->mainlayout->addWidget(next, 3, 0, 1, 3);
    }
    currentModel = next;
    next->fadein(FadeMs);
    RegeneraitonAvailableChanged(observers->regenAvailable.getRegeneraitonAvailable());
    regenerationModeChanged(observers->regenMode.getRegenerationMode());
    observers->functionState.triggerUpdate();
}

QString HdlView::barText(int textId, const QString& value) const
{
    return observers->language.getText(textId) + QStringLiteral(": ") + value;
}

void HdlView::setLoadProgressbarValue(QProgressBar* bar, int value, QString edgeStyle, QString text)
{
    QString style;
    if (value >= 100)
        style = QStringLiteral(PROGRESSBAR_RED);
    else if (value < 60)
        style = QStringLiteral(PROGRESSBAR_GREEN);
    else
        style = QStringLiteral(PROGRESSBAR_YELLOW);
    WidgetUpdate::setStyleSheet(bar, style + edgeStyle);
    bar->setFormat(text);
    BarTextFit::fit(bar);
    bar->setValue(value >= 100 ? 100 : value);
}

void HdlView::setStrengthProgressbarValue(QProgressBar* bar, int value, QString edgeStyle, QString text)
{
    QString style;
    if (value < 1)
        style = QStringLiteral(PROGRESSBAR_RED);
    else if (value > 40)
        style = QStringLiteral(PROGRESSBAR_GREEN);
    else
        style = QStringLiteral(PROGRESSBAR_YELLOW);
    WidgetUpdate::setStyleSheet(bar, style + edgeStyle);
    bar->setFormat(text);
    BarTextFit::fit(bar);
    bar->setValue(value > 100 ? 100 : value);
}

void HdlView::craneLoadChanged(float load, bool valid)
{
    ui->progressBar_CraneLoad->setEnabled(valid);
    const bool beside = flyjibAttached || winchAttached;
    setLoadProgressbarValue(ui->progressBar_CraneLoad, static_cast<int>(load),
                            QString::fromLatin1(beside ? CraneLoadBeside : CraneLoadAlone),
                            barText(beside ? CraneLoadBesideText : CraneLoadText,
                                    observers->loads.getLoadString(LoadsAndDerateObserver::crane)));
}

void HdlView::flyjibLoadChanged(float load, bool valid)
{
    ui->progressBar_FlydibLoad->setEnabled(valid);
    setLoadProgressbarValue(ui->progressBar_FlydibLoad, static_cast<int>(load),
                            QString::fromLatin1(winchAttached ? MiddleLoad : RightLoad),
                            barText(FlyjibLoadText, observers->loads.getLoadString(LoadsAndDerateObserver::flyjib)));
}

void HdlView::winchLoadChanged(float load, bool valid)
{
    ui->progressBar_WinchLoad->setEnabled(valid);
    setLoadProgressbarValue(ui->progressBar_WinchLoad, static_cast<int>(load), QString::fromLatin1(RightLoad),
                            barText(WinchLoadText, observers->loads.getLoadString(LoadsAndDerateObserver::winch)));
}

void HdlView::craneStrengthChanged(float strength)
{
    ui->progressBar_CraneDerate->setEnabled(observers->loads.isStrengthValid());
    const bool beside = flyjibAttached || winchAttached;
    setStrengthProgressbarValue(
        ui->progressBar_CraneDerate, static_cast<int>(strength),
        QString::fromLatin1(beside ? CraneStrengthBeside : CraneStrengthAlone),
        barText(StrengthText, observers->loads.getStrengthString(LoadsAndDerateObserver::crane)));
}

void HdlView::flyjibStrengthChanged(float strength)
{
    ui->progressBar_FlyjibDerate->setEnabled(observers->loads.isStrengthValid());
    setStrengthProgressbarValue(
        ui->progressBar_FlyjibDerate, static_cast<int>(strength),
        QString::fromLatin1(winchAttached ? MiddleStrength : RightStrength),
        barText(StrengthText, observers->loads.getStrengthString(LoadsAndDerateObserver::flyjib)));
}

void HdlView::winchStrengthChanged(float strength)
{
    ui->progressBar_WinchDerate->setEnabled(observers->loads.isStrengthValid());
    setStrengthProgressbarValue(
        ui->progressBar_WinchDerate, static_cast<int>(strength), QString::fromLatin1(RightStrength),
        barText(StrengthText, observers->loads.getStrengthString(LoadsAndDerateObserver::winch)));
}

void HdlView::functionStateChanged(functionID_t id, functionState_t state)
{
    if (currentModel)
        currentModel->setJointState(id, state);
}

void HdlView::RegeneraitonAvailableChanged(bool)
{
    if (currentModel)
        currentModel->setRegenVisible(observers->regenAvailable.getRegeneraitonAvailable());
}

void HdlView::regenerationModeChanged(unsigned int)
{
    if (!currentModel)
        return;
    bool boom = false;
    bool jib = false;
    bool extension = false;
    switch (observers->regenMode.getRegenerationMode()) {
    case 0:
        break;
    case 1:
        extension = true;
        break;
    case 2:
        boom = jib = extension = true;
        break;
    default:
        return;
    }
    currentModel->setRegenActive(HdlModel::boom, boom);
    currentModel->setRegenActive(HdlModel::jib, jib);
    currentModel->setRegenActive(HdlModel::extension, extension);
}

void HdlView::uiGenerationChanged(uiGenerations_t)
{
    icon = observers->uiGeneration.getIcon(ICON_CRANE);
}
