#include "app/CenterViewFactory.h"

#include "ui/Icons.h"
#include "views/CameraView.h"
#include "views/EvsView.h"
#include "views/HdlView.h"
#include "views/Infoview.h"
#include "views/SettingsView.h"
#include "views/StabilizeView.h"
#include "views/craneoverviewview.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

// Stands in for a view whose class is not part of the build yet, so the
// menu and the switching work end to end; it only names the view.
class PlaceholderView : public CenterView {
public:
    explicit PlaceholderView(const QString& name)
    {
        title = name;
        auto* layout = new QVBoxLayout(this);
        auto* label = new QLabel(name, this);
        label->setObjectName(QStringLiteral("title"));
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
};

} // namespace

CenterView* CenterViewFactory::makeCenterView(centerViewType_t type)
{
    switch (type) {
    case HDL_VIEW:
        return new HdlView(subjectWinchAvailable, subjectFlyjibAvailable, subjectLoadAndDerate, subjectFunctionState,
                           subjectRegenAvailable, subjectRegenMode, subjectUiGeneration, languageSubject);
    case EVS_VIEW:
        return new EvsView(subjectEvs, subjectUiGeneration);
    case OVERVIEW_VIEW:
        return new craneoverviewview(subjectEvsAvailable, subjectEvs, subjectOilTempAvailable, subjectOilTemp,
                                     subjectWinchAvailable, subjectFlyjibAvailable, subjectLoadAndDerate,
                                     subjectWinchWeight, subjectHookWeight, subjectSettings, subjectHdl,
                                     subjectUiGeneration, subjectFrontStab);
    case SETTINGS_VIEW:
        return new SettingsView(rightSideMenu(), subjectSettings, softButtonSubject(), subjectEvsAvailable,
                                subjectLicense, subjectClock, subjectServiceSubject, languageSubject);
    case STABILIZE_VIEW:
        return new StabilizeView(subjectEvsAvailable, subjectInclination, subjectActiveStab, subjectStabIndication,
                                 subjectOscil, subjectUiGeneration);
    case INFO_VIEW:
        return new Infoview(leverPositionSubject(), subjectRclInfo, appVerSubject(), deviceInfoSubject(),
                            buttonSubject(), subjectWifi);
    case CAMERA_VIEW:
        return new CameraView(subjectGstVideoStream);
    }
    return nullptr;
}

QPixmap CenterViewFactory::makeCenterViewIcon(centerViewType_t type, uiGenerations_t generation)
{
    switch (type) {
    case HDL_VIEW:
        return Icons::getIcons(generation, ICON_CRANE);
    case EVS_VIEW:
        return Icons::getIcons(generation, ICON_EVS);
    case OVERVIEW_VIEW:
        return QPixmap(QStringLiteral(":/images/Logoes/Overview_50x50.png"));
    case SETTINGS_VIEW:
        return QPixmap(QStringLiteral(":/images/Logoes/settings.png"));
    case STABILIZE_VIEW:
        return Icons::getIcons(generation, ICON_STAB);
    case INFO_VIEW:
        return QPixmap(QStringLiteral(":/images/Logoes/info.png"));
    case CAMERA_VIEW:
        return QPixmap(QStringLiteral(":/images/Logoes/Camera_50x50.png"));
    }
    return QPixmap();
}
