#pragma once

#include "model/FunctionIds.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

#include <array>

class QLabel;

// Side picture of the crane in the HDL view, with one arrow per joint
// movement coloured by that movement's state and three regeneration symbols.
// The HDL view feeds it from the function-state and regeneration subjects
// and swaps it, with a fade, when the flyjib comes or goes.
class HdlModel : public QWidget {
    Q_OBJECT
public:
    enum regenFunction_t {
        boom = 0,
        jib = 1,
        extension = 2,
    };

    explicit HdlModel(QWidget* parent = nullptr);
    ~HdlModel() override;

    virtual void setJointState(functionID_t id, functionState_t state) = 0;
    virtual void setRegenVisible(bool visible) = 0;
    virtual void setRegenActive(HdlModel::regenFunction_t function, bool active) = 0;

signals:
    void widgetHidden();

public slots:
    void fadein(unsigned int ms);
    void fadeout(unsigned int ms);
    void hidden();

protected:
    // Joint arrows as the pictures know them: functions 0 to 11.
    static constexpr int NumberOfJoints = 12;
    // One picture per function state, including the blue one the state
    // values leave room for.
    static constexpr int NumberOfArrowStates = 5;

    // The base name of each joint's arrow pictures, also its label's name.
    static QString jointName(int id);

    // Binds the arrow labels (null where the picture lacks the joint) and
    // preloads their pictures from the folder; every arrow starts green.
    void initArrows(const std::array<QLabel*, NumberOfJoints>& labels, const QString& folder);
    void initRegen(QLabel* boomLabel, QLabel* jibLabel, QLabel* extensionLabel);

    void showJointState(functionID_t id, functionState_t state);
    void showRegen(bool visible);
    void activateRegen(regenFunction_t function, bool active);

private:
    std::array<QLabel*, NumberOfJoints> arrows {};
    std::array<std::array<QPixmap, NumberOfArrowStates>, NumberOfJoints> arrowPictures;
    std::array<QLabel*, 3> regenLabels {};
};
