#pragma once

#include "ui/CenterView.h"

#include <memory>

class EvsAvailableSubject;
class EvsSubject;
class FlyjibAvailableSubject;
class FrontStabSubject;
class HdlSubject;
class LoadsAndDerateSubject;
class LogoProgressbar;
class OilTempAvailableSubject;
class OilTempSubject;
class SettingsSubject;
class UiGenerationSubject;
class WeightSubject;
class WinchAvailableSubject;
class logoprogressbar_twoway;

namespace Ui {
class craneoverviewview;
}

// Centre view with the crane's utilisation on one screen: a column of load,
// HDL, strength and EVS bars and a row of weight and oil-temperature values.
// Fed by thirteen subjects, observed only while the view is on display.
class craneoverviewview : public CenterView {
    Q_OBJECT
public:
    craneoverviewview(EvsAvailableSubject* evsAvailable, EvsSubject* evs, OilTempAvailableSubject* oilTempAvailable,
                      OilTempSubject* oilTemp, WinchAvailableSubject* winchAvailable,
                      FlyjibAvailableSubject* flyjibAvailable, LoadsAndDerateSubject* loads,
                      WeightSubject* winchWeight, WeightSubject* hookWeight, SettingsSubject* settings,
                      HdlSubject* hdl, UiGenerationSubject* uiGeneration, FrontStabSubject* frontStab,
                      QWidget* parent = nullptr);
    ~craneoverviewview() override;

    void onResume() override;
    void onSuspend() override;

    // Handlers of the observed subjects' notifications.
    void evsAvailableChanged(bool available);
    void evsXpctChanged(float percent, bool valid);
    void evsYpctChanged(float percent, bool valid);
    void oilTempAvailableChanged(bool available);
    void oilTempChanged(bool valid);
    void winchAvailableChanged(bool available);
    void flyjibAvailableChanged(bool available);
    void craneLoadChanged(float load, bool valid);
    void flyjibLoadChanged(float load, bool valid);
    void winchLoadChanged(float load, bool valid);
    void strengthChanged(float strength, bool valid);
    void WinchWeightChanged(unsigned int kg, bool valid);
    void hookWeightChanged(unsigned int kg, bool valid);
    void hdlChanged(unsigned int level, bool valid);
    void frontStabAvailableChanged(bool available);
    void frontStabLoadChanged(bool valid, unsigned int load);

private:
    struct Observers;

    void initGraphics();

    Ui::craneoverviewview* ui;
    std::unique_ptr<Observers> observers;
    bool resumed = false;

    LogoProgressbar* craneLoad = nullptr;
    LogoProgressbar* flyjibLoad = nullptr;
    LogoProgressbar* winchLoad = nullptr;
    LogoProgressbar* frontStabLoad = nullptr;
    LogoProgressbar* hdl = nullptr;
    LogoProgressbar* strength = nullptr;
    logoprogressbar_twoway* evsX = nullptr;
    logoprogressbar_twoway* evsY = nullptr;
    LogoProgressbar* hookWeight = nullptr;
    LogoProgressbar* winchWeight = nullptr;
    LogoProgressbar* oilTemp = nullptr;
};
