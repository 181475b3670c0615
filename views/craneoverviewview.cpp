#include "views/craneoverviewview.h"

#include "core/SettingsObserver.h"
#include "model/EvsAvailableObserver.h"
#include "model/EvsObserver.h"
#include "model/FlyjibAvailableObserver.h"
#include "model/FrontStabObserver.h"
#include "model/HdlObserver.h"
#include "model/HookWeightObserver.h"
#include "model/LanguageSubject.h"
#include "model/LoadsAndDerateObserver.h"
#include "model/OilTempAvailableObserver.h"
#include "model/OilTempObserver.h"
#include "model/UiGenerationObserver.h"
#include "model/WinchAvailableObserver.h"
#include "model/WinchWeightObserver.h"
#include "ui_craneoverviewview.h"
#include "views/LogoProgressbar.h"
#include "views/logoprogressbar_twoway.h"

namespace {

constexpr LanguageSupport::translations_t TitleText = 64;

// Each adapter hands its notifications to the view's handler of the same name.
class EvsAvailableForward : public EvsAvailableObserver {
public:
    EvsAvailableForward(EvsAvailableSubject* s, craneoverviewview* v)
        : EvsAvailableObserver(s)
        , view(v)
    {
    }
    void evsAvailableChanged(bool available) override { view->evsAvailableChanged(available); }

private:
    craneoverviewview* view;
};

class EvsForward : public EvsObserver {
public:
    EvsForward(EvsSubject* s, craneoverviewview* v)
        : EvsObserver(s)
        , view(v)
    {
    }
    void evsXpctChanged(float percent, bool valid) override { view->evsXpctChanged(percent, valid); }
    void evsYpctChanged(float percent, bool valid) override { view->evsYpctChanged(percent, valid); }

private:
    craneoverviewview* view;
};

class OilTempAvailableForward : public OilTempAvailableObserver {
public:
    OilTempAvailableForward(OilTempAvailableSubject* s, craneoverviewview* v)
        : OilTempAvailableObserver(s)
        , view(v)
    {
    }
    void oilTempAvailableChanged(bool available) override { view->oilTempAvailableChanged(available); }

private:
    craneoverviewview* view;
};

class OilTempForward : public OilTempObserver {
public:
    OilTempForward(OilTempSubject* s, craneoverviewview* v)
        : OilTempObserver(s)
        , view(v)
    {
    }
    void oilTempChanged(bool valid) override { view->oilTempChanged(valid); }

private:
    craneoverviewview* view;
};

class WinchAvailableForward : public WinchAvailableObserver {
public:
    WinchAvailableForward(WinchAvailableSubject* s, craneoverviewview* v)
        : WinchAvailableObserver(s)
        , view(v)
    {
    }
    void winchAvailableChanged(bool available) override { view->winchAvailableChanged(available); }

private:
    craneoverviewview* view;
};

class FlyjibAvailableForward : public FlyjibAvailableObserver {
public:
    FlyjibAvailableForward(FlyjibAvailableSubject* s, craneoverviewview* v)
        : FlyjibAvailableObserver(s)
        , view(v)
    {
    }
    void flyjibAvailableChanged(bool available) override { view->flyjibAvailableChanged(available); }

private:
    craneoverviewview* view;
};

class LoadsForward : public LoadsAndDerateObserver {
public:
    LoadsForward(LoadsAndDerateSubject* s, craneoverviewview* v)
        : LoadsAndDerateObserver(s)
        , view(v)
    {
    }
    void craneLoadChanged(float load, bool valid) override { view->craneLoadChanged(load, valid); }
    void flyjibLoadChanged(float load, bool valid) override { view->flyjibLoadChanged(load, valid); }
    void winchLoadChanged(float load, bool valid) override { view->winchLoadChanged(load, valid); }
    void strengthChanged(float strength, bool valid) override { view->strengthChanged(strength, valid); }

private:
    craneoverviewview* view;
};

class WinchWeightForward : public WinchWeightObserver {
public:
    WinchWeightForward(WeightSubject* s, craneoverviewview* v)
        : WinchWeightObserver(s)
        , view(v)
    {
    }
    void WinchWeightChanged(unsigned int kg, bool valid) override { view->WinchWeightChanged(kg, valid); }

private:
    craneoverviewview* view;
};

class HookWeightForward : public HookWeightObserver {
public:
    HookWeightForward(WeightSubject* s, craneoverviewview* v)
        : HookWeightObserver(s)
        , view(v)
    {
    }
    void hookWeightChanged(unsigned int kg, bool valid) override { view->hookWeightChanged(kg, valid); }

private:
    craneoverviewview* view;
};

class HdlForward : public HdlObserver {
public:
    HdlForward(HdlSubject* s, craneoverviewview* v)
        : HdlObserver(s)
        , view(v)
    {
    }
    void hdlChanged(unsigned int level, bool valid) override { view->hdlChanged(level, valid); }

private:
    craneoverviewview* view;
};

class FrontStabForward : public FrontStabObserver {
public:
    FrontStabForward(FrontStabSubject* s, craneoverviewview* v)
        : FrontStabObserver(s)
        , view(v)
    {
    }
    void frontStabAvailableChanged(bool available) override { view->frontStabAvailableChanged(available); }
    void frontStabLoadChanged(bool valid, unsigned int load) override { view->frontStabLoadChanged(valid, load); }

private:
    craneoverviewview* view;
};

} // namespace

struct craneoverviewview::Observers {
    Observers(craneoverviewview* v, EvsAvailableSubject* evsAvailableSubject, EvsSubject* evsSubject,
              OilTempAvailableSubject* oilTempAvailableSubject, OilTempSubject* oilTempSubject,
              WinchAvailableSubject* winchAvailableSubject, FlyjibAvailableSubject* flyjibAvailableSubject,
              LoadsAndDerateSubject* loadsSubject, WeightSubject* winchWeightSubject,
              WeightSubject* hookWeightSubject, SettingsSubject* settingsSubject, HdlSubject* hdlSubject,
              UiGenerationSubject* uiGenerationSubject, FrontStabSubject* frontStabSubject)
        : evsAvailable(evsAvailableSubject, v)
        , evs(evsSubject, v)
        , oilTempAvailable(oilTempAvailableSubject, v)
        , oilTemp(oilTempSubject, v)
        , winchAvailable(winchAvailableSubject, v)
        , flyjibAvailable(flyjibAvailableSubject, v)
        , loads(loadsSubject, v)
        , winchWeight(winchWeightSubject, v)
        , hookWeight(hookWeightSubject, v)
        , settings(settingsSubject)
        , hdl(hdlSubject, v)
        , uiGeneration(uiGenerationSubject)
        , frontStab(frontStabSubject, v)
    {
    }

    // Attach order is the order of the constructor's arguments.
    void attachAll()
    {
        evsAvailable.attach();
        evs.attach();
        oilTempAvailable.attach();
        oilTemp.attach();
        winchAvailable.attach();
        flyjibAvailable.attach();
        loads.attach();
        winchWeight.attach();
        hookWeight.attach();
        settings.attach();
        hdl.attach();
        uiGeneration.attach();
        frontStab.attach();
    }

    void detachAll()
    {
        evsAvailable.detach();
        evs.detach();
        oilTempAvailable.detach();
        oilTemp.detach();
        winchAvailable.detach();
        flyjibAvailable.detach();
        loads.detach();
        winchWeight.detach();
        hookWeight.detach();
        settings.detach();
        hdl.detach();
        uiGeneration.detach();
        frontStab.detach();
    }

    EvsAvailableForward evsAvailable;
    EvsForward evs;
    OilTempAvailableForward oilTempAvailable;
    OilTempForward oilTemp;
    WinchAvailableForward winchAvailable;
    FlyjibAvailableForward flyjibAvailable;
    LoadsForward loads;
    WinchWeightForward winchWeight;
    HookWeightForward hookWeight;
    SettingsObserver settings;
    HdlForward hdl;
    UiGenerationObserver uiGeneration;
    FrontStabForward frontStab;
};

craneoverviewview::craneoverviewview(EvsAvailableSubject* evsAvailable, EvsSubject* evs,
                                     OilTempAvailableSubject* oilTempAvailable, OilTempSubject* oilTemp,
                                     WinchAvailableSubject* winchAvailable, FlyjibAvailableSubject* flyjibAvailable,
                                     LoadsAndDerateSubject* loads, WeightSubject* winchWeight,
                                     WeightSubject* hookWeight, SettingsSubject* settings, HdlSubject* hdl,
                                     UiGenerationSubject* uiGeneration, FrontStabSubject* frontStab, QWidget* parent)
    : CenterView(parent)
    , ui(new Ui::craneoverviewview)
{
    ui->setupUi(this);
    if (LanguageSubject::languageSupport)
        title = LanguageSubject::languageSupport->getText(TitleText);
    icon = QPixmap(QStringLiteral(":/images/Logoes/Overview_50x50.png"));
    observers = std::make_unique<Observers>(this, evsAvailable, evs, oilTempAvailable, oilTemp, winchAvailable,
                                            flyjibAvailable, loads, winchWeight, hookWeight, settings, hdl,
                                            uiGeneration, frontStab);
    initGraphics();
}

craneoverviewview::~craneoverviewview()
{
    onSuspend();
    observers.reset();
    delete ui;
}

void craneoverviewview::initGraphics()
{
    const UiGenerationObserver& generation = observers->uiGeneration;

    auto makeBar = [this](const QPixmap& logo, int low, int high, LogoProgressbar::direction_t direction) {
        auto* bar = new LogoProgressbar(this);
        bar->setColorLimits(low, high, direction);
        bar->setLogo(logo);
        return bar;
    };
    craneLoad = makeBar(generation.getIcon(ICON_CRANE_LOAD), 60, 100, LogoProgressbar::HIGH_IS_BAD);
    flyjibLoad = makeBar(generation.getIcon(ICON_FLYJIB_LOAD), 60, 100, LogoProgressbar::HIGH_IS_BAD);
    winchLoad = makeBar(QPixmap(QStringLiteral(":/images/Logoes/WinchLoad.png")), 60, 100,
                        LogoProgressbar::HIGH_IS_BAD);
    frontStabLoad = makeBar(generation.getIcon(ICON_FRONT_STAB_LOAD), 60, 100, LogoProgressbar::HIGH_IS_BAD);
    hdl = makeBar(QPixmap(QStringLiteral(":/images/Logoes/Speed.PNG")), 60, 100, LogoProgressbar::HIGH_IS_GOOD);
    strength = makeBar(QPixmap(QStringLiteral(":/images/Logoes/strength.png")), 0, 40, LogoProgressbar::HIGH_IS_GOOD);

    evsX = new logoprogressbar_twoway(this);
    evsX->setLogo(generation.getIcon(ICON_EVS_X));
    evsY = new logoprogressbar_twoway(this);
    evsY->setLogo(generation.getIcon(ICON_EVS_Y));

    auto makeValue = [this](const QPixmap& logo) {
        auto* value = new LogoProgressbar(this);
        value->setLogo(logo);
        value->hideProgressbarOnly();
        return value;
    };
    hookWeight = makeValue(generation.getIcon(ICON_CRANE_LOAD));
    winchWeight = makeValue(QPixmap(QStringLiteral(":/images/Logoes/WinchLoad.png")));
    oilTemp = makeValue(QPixmap(QStringLiteral(":/images/Logoes/OIL2.png")));
    // Weights appear with the first non-zero weight only.
    hookWeight->hide();
    winchWeight->hide();

    QGridLayout* grid = ui->gridLayout;
    int row = 0;
    for (QWidget* w : {static_cast<QWidget*>(craneLoad), static_cast<QWidget*>(flyjibLoad),
                       static_cast<QWidget*>(winchLoad), static_cast<QWidget*>(frontStabLoad),
                       static_cast<QWidget*>(hdl), static_cast<QWidget*>(strength), static_cast<QWidget*>(evsX),
                       static_cast<QWidget*>(evsY)})
        grid->addWidget(w, row++, 1, 1, 3);
    grid->addWidget(hookWeight, row, 1);
    grid->addWidget(winchWeight, row, 2);
    grid->addWidget(oilTemp, row, 3);
}

void craneoverviewview::onResume()
{
    if (resumed)
        return;
    resumed = true;
    observers->attachAll();
}

void craneoverviewview::onSuspend()
{
    if (!resumed)
        return;
    resumed = false;
    observers->detachAll();
}

void craneoverviewview::evsAvailableChanged(bool available)
{
    evsX->setVisible(available);
    evsY->setVisible(available);
}

void craneoverviewview::evsXpctChanged(float percent, bool valid)
{
    evsX->setValue(static_cast<int>(percent));
    evsX->setText(observers->evs.getEvsXString());
    evsX->setEnabled(valid);
}

void craneoverviewview::evsYpctChanged(float percent, bool valid)
{
    evsY->setValue(static_cast<int>(percent));
    evsY->setText(observers->evs.getEvsYString());
    evsY->setEnabled(valid);
}

void craneoverviewview::oilTempAvailableChanged(bool available)
{
    oilTemp->setVisible(available);
}

void craneoverviewview::oilTempChanged(bool valid)
{
    oilTemp->setText(QStringLiteral(" ") + observers->oilTemp.getOilTempString());
    oilTemp->setEnabled(valid);
}

void craneoverviewview::winchAvailableChanged(bool available)
{
    winchLoad->setVisible(available);
}

void craneoverviewview::flyjibAvailableChanged(bool available)
{
    flyjibLoad->setVisible(available);
}

void craneoverviewview::craneLoadChanged(float load, bool valid)
{
    craneLoad->setValue(static_cast<int>(load));
    craneLoad->setText(observers->loads.getLoadString(LoadsAndDerateObserver::crane));
    craneLoad->setEnabled(valid);
}

void craneoverviewview::flyjibLoadChanged(float load, bool valid)
{
    flyjibLoad->setValue(static_cast<int>(load));
    flyjibLoad->setText(observers->loads.getLoadString(LoadsAndDerateObserver::flyjib));
    flyjibLoad->setEnabled(valid);
}

void craneoverviewview::winchLoadChanged(float load, bool valid)
{
    winchLoad->setValue(static_cast<int>(load));
    winchLoad->setText(observers->loads.getLoadString(LoadsAndDerateObserver::winch));
    winchLoad->setEnabled(valid);
}

void craneoverviewview::strengthChanged(float value, bool valid)
{
    strength->setValue(static_cast<int>(value));
    strength->setText(observers->loads.getStrength());
    strength->setEnabled(valid);
}

void craneoverviewview::WinchWeightChanged(unsigned int kg, bool valid)
{
    if (kg != 0)
        winchWeight->show();
    if (!winchWeight->isHidden())
        winchWeight->setText(QStringLiteral(" ") + observers->winchWeight.getWinchWeightString());
    winchWeight->setEnabled(valid);
}

void craneoverviewview::hookWeightChanged(unsigned int kg, bool valid)
{
    if (kg != 0)
        hookWeight->show();
    if (!hookWeight->isHidden())
        hookWeight->setText(QStringLiteral(" ") + observers->hookWeight.getHookWeightString());
    hookWeight->setEnabled(valid);
}

void craneoverviewview::hdlChanged(unsigned int level, bool valid)
{
    // Levels beyond int range are nonsense from the wire; treat them as full.
    hdl->setValue(level > 1000u ? 1000 : static_cast<int>(level));
    hdl->setText(observers->hdl.getHdlString());
    hdl->setEnabled(valid);
}

void craneoverviewview::frontStabAvailableChanged(bool available)
{
    frontStabLoad->setVisible(available);
}

void craneoverviewview::frontStabLoadChanged(bool valid, unsigned int load)
{
    frontStabLoad->setEnabled(valid);
    frontStabLoad->setValue(load > 1000u ? 1000 : static_cast<int>(load));
    frontStabLoad->setText(observers->frontStab.getLoadString());
}
