#pragma once

#include "core/Observer.h"
#include "views/GstVideoStreamSubject.h"

// Adapter of the camera stream subject, used by the mode widget (whether the
// camera view is offered) and the camera view (start, stop, signal bar).
// Does not attach itself; the owner calls attach().
class GstVideoStreamObserver : public Observer {
public:
    explicit GstVideoStreamObserver(GstVideoStreamSubject* s);
    virtual ~GstVideoStreamObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void streamingAvailableChanged(bool available);
    virtual void streamingStatusChanged(GstVideoStreamSubject::streamStatus_t status);
    virtual void streamSignalQualityChanged(int pct);

    void startStreaming();
    void stopStreaming();

private:
    GstVideoStreamSubject* stream();

    bool streamingAvailable = false;
    GstVideoStreamSubject::streamStatus_t streamStatus = GstVideoStreamSubject::STREAM_STOPPED;
    int signalQuality = 0;
};
