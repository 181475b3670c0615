#pragma once

#include "model/FunctionIds.h"
#include "model/UiGenerationSubject.h"
#include "ui/CenterView.h"

#include <QString>

#include <memory>

class FlyjibAvailableSubject;
class FunctionStateSubject;
class HdlModel;
class LanguageSubject;
class LoadsAndDerateSubject;
class QProgressBar;
class RegeneraitonAvailableSubject;
class RegenerationModeSubject;
class WinchAvailableSubject;

namespace Ui {
class hdlview;
}

// Centre view with the load and strength bars of crane, flyjib and winch
// above a side picture of the crane whose joint arrows show which movements
// are free, derated, HDL-limited or blocked. Fed by the availability, loads,
// function-state and regeneration subjects while on display; swaps the crane
// picture with a fade when the flyjib comes or goes.
class HdlView : public CenterView {
    Q_OBJECT
public:
    HdlView(WinchAvailableSubject* winchAvailable, FlyjibAvailableSubject* flyjibAvailable,
            LoadsAndDerateSubject* loads, FunctionStateSubject* functionState,
            RegeneraitonAvailableSubject* regenAvailable, RegenerationModeSubject* regenMode,
            UiGenerationSubject* uiGeneration, LanguageSubject* language, QWidget* parent = nullptr);
    ~HdlView() override;

    void onResume() override;
    void onSuspend() override;

    // Handlers of the observed subjects' notifications.
    void winchAvailableChanged(bool available);
    void flyjibAvailableChanged(bool available);
    void craneLoadChanged(float load, bool valid);
    void winchLoadChanged(float load, bool valid);
    void flyjibLoadChanged(float load, bool valid);
    void craneStrengthChanged(float strength);
    void winchStrengthChanged(float strength);
    void flyjibStrengthChanged(float strength);
    void functionStateChanged(functionID_t id, functionState_t state);
    void RegeneraitonAvailableChanged(bool available);
    void regenerationModeChanged(unsigned int mode);
    void uiGenerationChanged(uiGenerations_t generation);

    // The picture in the layout, and the one waiting for the fade-out of it.
    HdlModel* getCurrentModel() const { return currentModel; }
    HdlModel* getPendingModel() const { return pendingModel; }

public slots:
    void insertNewHdlModel();

private:
    struct Observers;

    void setWinchAttached(bool attached);
    void setFlyjibAttached(bool attached);
    void updateHdlModel();
    void replaceHdlModel(HdlModel* model);
    void setLoadProgressbarValue(QProgressBar* bar, int value, QString edgeStyle, QString text);
    void setStrengthProgressbarValue(QProgressBar* bar, int value, QString edgeStyle, QString text);
    QString barText(int textId, const QString& value) const;

    Ui::hdlview* ui;
    std::unique_ptr<Observers> observers;
    HdlModel* currentModel = nullptr;
    HdlModel* pendingModel = nullptr;
    bool flyjibAttached = false;
    bool winchAttached = false;
    // Kind of the picture the view is heading for (true: with flyjib).
    bool currentModelKind = false;
    bool resumed = false;
};
