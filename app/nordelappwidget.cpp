#include "nordelappwidget.h"

#include "app/CenterViewFactory.h"
#include "feedback/LedHandler.h"
#include "model/ClockSubject.h"
#include "model/RclMxTimeSubject.h"
#include "platform/AppVerSubject.h"
#include "platform/BacklightHandler.h"
#include "platform/BuzzerHandler.h"
#include "ui/MainWidget.h"
#include "ui/ModeWidget.h"
#include "ui/SideMenu.h"
#include "ui/StatusBar.h"

#include "ui_nordelappwidget.h"

#include <QCoreApplication>

namespace {
CanSubject* canSubject = nullptr;
LeverPositionSubject* subjectLeverPosition = nullptr;
SoftButtonSubject* subjectSoftButtons = nullptr;
ButtonSubject* subjectButtons = nullptr;
AppVerSubject* subjectApplicationVersion = nullptr;
LedHandler* ledHandler = nullptr;
BacklightHandler* backlightHandler = nullptr;
BuzzerHandler* buzzerHandler = nullptr;
}

nordelappwidget::nordelappwidget(SoftButtonSubject* softButtons, RcLinkSubject* rcLink, BatterySubject* battery,
                                 LeverPositionSubject* levers, DeviceInfoSubject* deviceInfo, ButtonSubject* buttons,
                                 RcBacklightSubject* backlight, CanSubject* can, LedControl* leds,
                                 BuzzerCtrlSubject* buzzer)
    : QWidget(nullptr)
    , ui(new Ui::nordelappwidget)
{
    canSubject = can;
    QCoreApplication::setOrganizationName(QStringLiteral("Nordel Group A/S"));
    QCoreApplication::setApplicationName(QStringLiteral("Nordel - HMI for Color Display"));

    if (objectName().isEmpty())
        setObjectName(QStringLiteral("nordelappwidget"));
    ui->setupUi(this);

    subjectLeverPosition = levers;
    subjectSoftButtons = softButtons;
    subjectButtons = buttons;
    CenterViewFactory::rcLinkSubject = rcLink;

    subjectApplicationVersion = new AppVerSubject();

    auto* leftSideMenu = new SideMenu(this, SideMenu::SIDE_LEFT, 4);
    auto* rightSideMenu = new SideMenu(this, SideMenu::SIDE_RIGHT, 4);

    CenterViewFactory::initSubjects(&settings, can, rightSideMenu, softButtons, deviceInfo, levers, buttons,
                                    subjectApplicationVersion);

    CenterViewFactory::subjectClock
        = new ClockSubject(CenterViewFactory::subjectRclMxTimeSubject, CenterViewFactory::subjectSettings);

    auto* statusBar = new StatusBar(rcLink, battery, CenterViewFactory::subjectInfoCenterInfo,
                                    CenterViewFactory::subjectMooring, CenterViewFactory::subjectClock,
                                    CenterViewFactory::subjectCbs, CenterViewFactory::subjectUiGeneration,
                                    CenterViewFactory::subjectEpto, CenterViewFactory::subjectEvsIII);

    auto* modeWidget = new ModeWidget(statusBar, leftSideMenu, rightSideMenu, softButtons,
                                      CenterViewFactory::subjectUiGeneration, CenterViewFactory::subjectUiMode,
                                      CenterViewFactory::subjectEvsAvailable, CenterViewFactory::subjectGstVideoStream);

    main = new MainWidget(CenterViewFactory::subjectRclInfo, CenterViewFactory::subjectRclError,
                          CenterViewFactory::subjectOverride, CenterViewFactory::subjectUiMode,
                          CenterViewFactory::subjectUiGeneration, modeWidget);
    ui->verticalLayout->addWidget(main);

    ledHandler = new LedHandler(leds, CenterViewFactory::subjectHdl, CenterViewFactory::subjectLoadAndDerate,
                                CenterViewFactory::subjectFlyjibAvailable, CenterViewFactory::subjectWinchAvailable,
                                CenterViewFactory::subjectStabIndication, CenterViewFactory::subjectActiveStab,
                                CenterViewFactory::subjectUiMode, CenterViewFactory::subjectOscil,
                                CenterViewFactory::subjectCbs, CenterViewFactory::subjectSettings);
    backlightHandler = new BacklightHandler(CenterViewFactory::subjectSettings, backlight);
    buzzerHandler = new BuzzerHandler(buzzer, CenterViewFactory::subjectRclBuzzer);
}

nordelappwidget::~nordelappwidget()
{
    delete ui;
}
