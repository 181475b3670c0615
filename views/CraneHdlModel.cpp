#include "views/CraneHdlModel.h"

#include "ui_CraneHdlModel.h"

CraneHdlModel::CraneHdlModel(QWidget* parent)
    : HdlModel(parent)
    , ui(new Ui::cranewidget)
{
    ui->setupUi(this);
    ui->Crane->setPixmap(QPixmap(QStringLiteral(":/images/hdl/standard/crane.png")));
    initArrows({ui->ArrowJoint1up,       ui->ArrowJoint1down,     ui->ArrowJoint2up,
                ui->ArrowJoint2down,     ui->ArrowJoint3up,       ui->ArrowJoint3down,
                ui->ArrowJoint4expand,   ui->ArrowJoint4compress, nullptr,
                nullptr,                 nullptr,                 nullptr},
               QStringLiteral(":/images/hdl/standard/"));
    initRegen(ui->RegenBoom, ui->RegenJib, ui->RegenExt);
}

CraneHdlModel::~CraneHdlModel()
{
    delete ui;
}

void CraneHdlModel::setJointState(functionID_t id, functionState_t state)
{
    showJointState(id, state);
}

void CraneHdlModel::setRegenVisible(bool visible)
{
    showRegen(visible);
}

void CraneHdlModel::setRegenActive(HdlModel::regenFunction_t function, bool active)
{
    activateRegen(function, active);
}
