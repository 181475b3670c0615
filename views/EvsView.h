#pragma once

#include "model/EvsObserver.h"
#include "model/UiGenerationObserver.h"
#include "ui/CenterView.h"

#include <QPixmap>
#include <QString>

class EvsSubject;
class QProgressBar;
class UiGenerationSubject;

namespace Ui {
class evsview;
}

// Centre view of the vehicle-stability system: opposed bars for the X and Y
// percentages, truck pictures tilted with them and the calibration level.
// Fed by the EVS subject, observed only while the view is on display.
class EvsView : public CenterView, public EvsObserver, public UiGenerationObserver {
    Q_OBJECT
public:
    EvsView(EvsSubject* evs, UiGenerationSubject* uiGeneration, QWidget* parent = nullptr);
    ~EvsView() override;

    void onResume() override;
    void onSuspend() override;

    void evsXpctChanged(float percent, bool valid) override;
    void evsYpctChanged(float percent, bool valid) override;
    void evsCalibrationLevelChanged(bool valid) override;
    void uiGenerationChanged(uiGenerations_t generation) override;

private:
    void setXprogressbar(int value);
    void setYprogressbar(int value);
    void setProgressBarValue(QProgressBar* bar, int value, QString edgeStyle);
    void setBarPair(QProgressBar* minus, QProgressBar* plus, int value);
    void rotateTruckFront(float degrees);
    void rotateTruckSide(float degrees);
    void initGraphics();
    void loadGenerationIcons();

    Ui::evsview* ui;
    QPixmap truckFront;
    QPixmap truckSide;
    bool resumed = false;
};
