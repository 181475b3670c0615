#pragma once

#include "ui/CenterView.h"
#include "views/GstVideoStreamObserver.h"

class GstVideoStreamSubject;

namespace Ui {
class cameraView;
}

// Centre view of the IP camera: the stream runs while the view is shown and
// the player process draws the picture; the view itself shows a camera icon
// and the link quality. Fed by the video stream subject.
class CameraView : public CenterView, public GstVideoStreamObserver {
    Q_OBJECT
public:
    explicit CameraView(GstVideoStreamSubject* stream, QWidget* parent = nullptr);
    ~CameraView() override;

    void onResume() override;
    void onSuspend() override;

    void streamSignalQualityChanged(int pct) override;

private:
    Ui::cameraView* ui;
    bool signalTextSet = false;
    bool resumed = false;
};
