#pragma once

#include "views/HdlModel.h"

namespace Ui {
class cranewidget;
}

// HDL picture of the crane without flyjib: joints 1 to 4.
class CraneHdlModel : public HdlModel {
    Q_OBJECT
public:
    explicit CraneHdlModel(QWidget* parent = nullptr);
    ~CraneHdlModel() override;

    void setJointState(functionID_t id, functionState_t state) override;
    void setRegenVisible(bool visible) override;
    void setRegenActive(HdlModel::regenFunction_t function, bool active) override;

private:
    Ui::cranewidget* ui;
};
