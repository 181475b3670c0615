#pragma once

#include "model/EvsIIIObserver.h"
#include "platform/SoftButtonObserver.h"
#include "ui/Notification.h"

#include <QPixmap>
#include <QString>

class EvsIIISubject;
class QLabel;
class QResizeEvent;
class SoftButtonSubject;
namespace Ui {
class EvsIIINotification;
}

// Translucent strip over the bottom of the operating screen with the EVS III
// guidance text from the controller. Fed by the EVS III subject; any soft
// key dismisses it. The mode widget sizes it, keeps it raised and ignores
// its own keys while the strip shows.
class EvsIIINotification : public Notification, public EvsIIIObserver, public SoftButtonObserver {
    Q_OBJECT
public:
    EvsIIINotification(QWidget* parent, EvsIIISubject* evsIII, SoftButtonSubject* softButtons);
    ~EvsIIINotification() override;

    void userGuideTextChanged(bool active, QString text) override;
    void buttonPressed(unsigned int button) override;

    QLabel* iconLabel() const;
    QLabel* textLabel() const;
    QLabel* hintLabel() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    Ui::EvsIIINotification* ui;
    QPixmap iconSource;
};
