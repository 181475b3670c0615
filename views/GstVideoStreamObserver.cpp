#include "GstVideoStreamObserver.h"

GstVideoStreamObserver::GstVideoStreamObserver(GstVideoStreamSubject* s)
    : Observer(s)
{
}

GstVideoStreamObserver::~GstVideoStreamObserver()
{
    detach();
}

GstVideoStreamSubject* GstVideoStreamObserver::stream()
{
    return subject ? dynamic_cast<GstVideoStreamSubject*>(subject) : nullptr;
}

void GstVideoStreamObserver::attach()
{
    GstVideoStreamSubject* s = stream();
    if (!s)
        return;
    s->attach(static_cast<Observer*>(this));
    streamingAvailable = s->isStreamingAvailable();
    streamStatus = s->getStreamStatus();
    streamingAvailableChanged(streamingAvailable);
    streamingStatusChanged(streamStatus);
    // Forget the quality so the next update shows whatever the link reports.
    signalQuality = 0;
}

void GstVideoStreamObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void GstVideoStreamObserver::update()
{
    GstVideoStreamSubject* s = stream();
    if (!s)
        return;
    const bool available = s->isStreamingAvailable();
    if (available != streamingAvailable) {
        streamingAvailable = available;
        streamingAvailableChanged(streamingAvailable);
    }
    const GstVideoStreamSubject::streamStatus_t status = s->getStreamStatus();
    if (status != streamStatus) {
        streamStatus = status;
        streamingStatusChanged(streamStatus);
    }
    const int quality = s->getStreamSignalQuality();
    if (quality != signalQuality) {
        signalQuality = quality;
        streamSignalQualityChanged(signalQuality);
    }
}

void GstVideoStreamObserver::streamingAvailableChanged(bool) {}
void GstVideoStreamObserver::streamingStatusChanged(GstVideoStreamSubject::streamStatus_t) {}
void GstVideoStreamObserver::streamSignalQualityChanged(int) {}

void GstVideoStreamObserver::startStreaming()
{
    if (GstVideoStreamSubject* s = stream())
        s->startStream();
}

void GstVideoStreamObserver::stopStreaming()
{
    if (GstVideoStreamSubject* s = stream())
        s->stopStream();
}
