#include "VemorToQt.h"

#include "app/VemorViewMaster.h"
#include "can/VemorRcCanSubject.h"

#include "ui_vemortopureqt.h"

VemorToQt* VemorToQt::intance = nullptr;

namespace {
// Set once by the constructor; the message handlers feed them.
VemorRcCanSubject* canSubject = nullptr;
}

VemorToQt::VemorToQt(VemorViewMaster* m, QWidget* parent)
    : View(parent)
    , ui(new Ui::vemortopureqt)
    , master(m)
{
    intance = this;
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("vemortopureqt"));
    ui->setupUi(this);

    canSubject = new VemorRcCanSubject(this);
}

VemorToQt::~VemorToQt()
{
    delete ui;
}

bool VemorToQt::handleNewMessage(PcuMessage* m)
{
    if (!m)
        return true;
    if (m->kind == PcuMessage::SystemMessage)
        handleSystemMessage(m);
    else if (m->kind == PcuMessage::CanFrame)
        handleCanMessage(m);
    return true;
}

void VemorToQt::handleSystemMessage(PcuMessage*)
{
}

void VemorToQt::handleCanMessage(PcuMessage* m)
{
    if (m->subKind != 0 || !canSubject)
        return;
    canSubject->setCanMessage(1125, m->data, m->length);
}

bool VemorToQt::handleNewButtonStatus(ButtonStatus)
{
    if (!cpuInfoReceived)
        getCpuInfo();
    if (!bootVerReceived)
        getBootVer();
    if (!osVerReceived)
        getOsVer();
    return true;
}

void VemorToQt::wrongVersion()
{
}

void VemorToQt::handleXonXoff(unsigned char x)
{
    if (canSubject)
        canSubject->setXonXoff(x != 0);
}

void VemorToQt::cpuInfo(QString, QString)
{
    cpuInfoReceived = true;
}

void VemorToQt::osVer(QString)
{
    osVerReceived = true;
}

void VemorToQt::bootVer(QString)
{
    bootVerReceived = true;
}
