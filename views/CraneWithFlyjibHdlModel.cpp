#include "views/CraneWithFlyjibHdlModel.h"

#include "ui_CraneWithFlyjibHdlModel.h"

CraneWithFlyjibHdlModel::CraneWithFlyjibHdlModel(QWidget* parent)
    : HdlModel(parent)
    , ui(new Ui::craneWithFlyjibModel)
{
    ui->setupUi(this);
    ui->Crane->setPixmap(QPixmap(QStringLiteral(":/images/hdl/withFlyjib/craneWithFlyjib.png")));
    initArrows({ui->ArrowJoint1up,       ui->ArrowJoint1down,     ui->ArrowJoint2up,
                ui->ArrowJoint2down,     ui->ArrowJoint3up,       ui->ArrowJoint3down,
                ui->ArrowJoint4expand,   ui->ArrowJoint4compress, ui->ArrowJoint5up,
                ui->ArrowJoint5down,     ui->ArrowJoint6expand,   ui->ArrowJoint6compress},
               QStringLiteral(":/images/hdl/withFlyjib/"));
    initRegen(ui->RegenBoom, ui->RegenJib, ui->RegenExt);
}

CraneWithFlyjibHdlModel::~CraneWithFlyjibHdlModel()
{
    delete ui;
}

void CraneWithFlyjibHdlModel::setJointState(functionID_t id, functionState_t state)
{
    showJointState(id, state);
}

void CraneWithFlyjibHdlModel::setRegenVisible(bool visible)
{
    showRegen(visible);
}

void CraneWithFlyjibHdlModel::setRegenActive(HdlModel::regenFunction_t function, bool active)
{
    activateRegen(function, active);
}
