#pragma once

#include "views/HdlModel.h"

namespace Ui {
class craneWithFlyjibModel;
}

// HDL picture of the crane with flyjib: joints 1 to 6.
class CraneWithFlyjibHdlModel : public HdlModel {
    Q_OBJECT
public:
    explicit CraneWithFlyjibHdlModel(QWidget* parent = nullptr);
    ~CraneWithFlyjibHdlModel() override;

    void setJointState(functionID_t id, functionState_t state) override;
    void setRegenVisible(bool visible) override;
    void setRegenActive(HdlModel::regenFunction_t function, bool active) override;

private:
    Ui::craneWithFlyjibModel* ui;
};
