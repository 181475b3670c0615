#include "views/HdlModel.h"

#include "ui/OpacityFade.h"
#include "ui/WidgetUpdate.h"

#include <QLabel>
#include <QPropertyAnimation>

namespace {
const char* const JointNames[] = {
    "ArrowJoint1up",     "ArrowJoint1down",     "ArrowJoint2up",     "ArrowJoint2down",
    "ArrowJoint3up",     "ArrowJoint3down",     "ArrowJoint4expand", "ArrowJoint4compress",
    "ArrowJoint5up",     "ArrowJoint5down",     "ArrowJoint6expand", "ArrowJoint6compress",
};
// Derated and HDL-limited share the yellow arrow.
const char* const StateColours[] = {"Green", "Yellow", "Yellow", "Red", "Blue"};
} // namespace

HdlModel::HdlModel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("HdlModel"));
    setWindowTitle(QStringLiteral("Form"));
    resize(382, 182);
    setMinimumSize(382, 182);
}

HdlModel::~HdlModel() = default;

QString HdlModel::jointName(int id)
{
    if (id < 0 || id >= NumberOfJoints)
        return QString();
    return QString::fromLatin1(JointNames[id]);
}

void HdlModel::initArrows(const std::array<QLabel*, NumberOfJoints>& labels, const QString& folder)
{
    arrows = labels;
    for (int id = 0; id < NumberOfJoints; ++id) {
        const size_t i = static_cast<size_t>(id);
        if (!arrows[i])
            continue;
        for (int state = 0; state < NumberOfArrowStates; ++state)
            arrowPictures[i][static_cast<size_t>(state)] =
                QPixmap(folder + jointName(id) + QString::fromLatin1(StateColours[state]) + QStringLiteral(".png"));
        arrows[i]->setPixmap(arrowPictures[i][0]);
    }
}

void HdlModel::initRegen(QLabel* boomLabel, QLabel* jibLabel, QLabel* extensionLabel)
{
    regenLabels = {boomLabel, jibLabel, extensionLabel};
    const QPixmap regen(QStringLiteral(":/images/hdl/regen.png"));
    for (QLabel* label : regenLabels) {
        label->setPixmap(regen);
        label->hide();
    }
}

void HdlModel::showJointState(functionID_t id, functionState_t state)
{
    const int joint = static_cast<int>(id);
    const int colour = static_cast<int>(state);
    if (joint < 0 || joint >= NumberOfJoints || colour < 0 || colour >= NumberOfArrowStates)
        return;
    QLabel* label = arrows[static_cast<size_t>(joint)];
    if (!label)
        return;
    WidgetUpdate::setPixmap(label, arrowPictures[static_cast<size_t>(joint)][static_cast<size_t>(colour)]);
}

void HdlModel::showRegen(bool visible)
{
    for (QLabel* label : regenLabels)
        if (label)
            label->setVisible(visible);
}

void HdlModel::activateRegen(regenFunction_t function, bool active)
{
    const int f = static_cast<int>(function);
    if (f < 0 || f >= static_cast<int>(regenLabels.size()))
        return;
    if (QLabel* label = regenLabels[static_cast<size_t>(f)])
        label->setEnabled(active);
}

void HdlModel::fadein(unsigned int ms)
{
    show();
    OpacityFade::run(OpacityFade::make(this, 0.0, 1.0, ms));
}

void HdlModel::fadeout(unsigned int ms)
{
    QPropertyAnimation* animation = OpacityFade::make(this, 1.0, 0.0, ms);
    connect(animation, &QPropertyAnimation::finished, this, &HdlModel::hidden);
    OpacityFade::run(animation);
}

void HdlModel::hidden()
{
    emit widgetHidden();
}
