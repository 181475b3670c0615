#include "views/CameraView.h"

#include "model/LanguageSubject.h"
#include "ui/StyleSheets.h"
#include "ui/WidgetUpdate.h"

#include "ui_CameraView.h"

#include <QProgressBar>

#include <algorithm>

namespace {

constexpr LanguageSupport::translations_t TitleText = 67;
constexpr LanguageSupport::translations_t WaitingText = 66;
constexpr LanguageSupport::translations_t SignalText = 68;

QString text(LanguageSupport::translations_t id)
{
    return LanguageSubject::languageSupport ? LanguageSubject::languageSupport->getText(id) : QString();
}

} // namespace

CameraView::CameraView(GstVideoStreamSubject* stream, QWidget* parent)
    : CenterView(parent)
    , GstVideoStreamObserver(stream)
    , ui(new Ui::cameraView)
{
    ui->setupUi(this);
    title = text(TitleText);
    icon = QPixmap(QStringLiteral(":/images/Logoes/Camera_50x50.png"));
    ui->progressBarSignal->setStyleSheet(QStringLiteral(PROGRESSBAR_GREEN));
    ui->progressBarSignal->setFormat(text(WaitingText));
    ui->progressBarSignal->setValue(0);
}

CameraView::~CameraView()
{
    onSuspend();
    delete ui;
}

void CameraView::onResume()
{
    if (resumed)
        return;
    resumed = true;
    GstVideoStreamObserver::attach();
    startStreaming();
}

void CameraView::onSuspend()
{
    if (!resumed)
        return;
    resumed = false;
    stopStreaming();
    GstVideoStreamObserver::detach();
}

void CameraView::streamSignalQualityChanged(int pct)
{
    if (!signalTextSet) {
        ui->progressBarSignal->setFormat(text(SignalText) + QStringLiteral(": %p%"));
        signalTextSet = true;
    }
    WidgetUpdate::setStyleSheet(ui->progressBarSignal,
                                pct < 21 ? QStringLiteral(PROGRESSBAR_RED) : QStringLiteral(PROGRESSBAR_GREEN));
    // The bar ignores values outside its range; keep showing the nearest one.
    ui->progressBarSignal->setValue(std::clamp(pct, 0, 100));
}
