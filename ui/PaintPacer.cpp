#include "ui/PaintPacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimerEvent>
#include <QWidget>

namespace {
// Posted with low priority, so it comes after the notifications already
// queued and those they queue in turn, as Qt's own paint requests do.
const QEvent::Type PaintSoon = static_cast<QEvent::Type>(QEvent::registerEventType());
} // namespace

PaintPacer::PaintPacer(QWidget* w)
    : QObject(w)
    , widget(w)
{
    setObjectName(QStringLiteral("paintPacer"));
    if (widget)
        widget->installEventFilter(this);
    follow();
}

// Qt drops a destroyed filter from the windows it watched.
PaintPacer::~PaintPacer() = default;

PaintPacer* PaintPacer::find(const QWidget* w)
{
    if (!w)
        return nullptr;
    const QWidget* top = w->window();
    for (PaintPacer* p : top->findChildren<PaintPacer*>()) {
        if (p->window == top)
            return p;
    }
    return nullptr;
}

void PaintPacer::follow()
{
    QWidget* top = widget ? widget->window() : nullptr;
    if (top == window)
        return;
    if (window && window != widget)
        window->removeEventFilter(this);
    window = top;
    if (window && window != widget)
        window->installEventFilter(this);
}

void PaintPacer::setExternalFrames(bool on)
{
    external = on;
    if (!on && heldForCaller)
        flush();
}

void PaintPacer::flush()
{
    frame.stop();
    heldForCaller = false;
    soonPosted = false;
    if (!window)
        return;
    flushing = true;
    sinceLastPaint.start();
    ++painted;
    QEvent paint(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(window, &paint);
    flushing = false;
}

bool PaintPacer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == widget && event->type() == QEvent::ParentChange)
        follow();
    // Both update() (posted) and repaint() (sent at once, as a progress bar
    // does on every visible value change) reach the window as UpdateRequest;
    // the dirty regions stay recorded until the paced paint.
    if (watched != window || event->type() != QEvent::UpdateRequest || flushing)
        return false;
    ++held;
    if (frame.isActive() || soonPosted)
        return true;
    if (external) {
        heldForCaller = true;
        return true;
    }
    const qint64 since = sinceLastPaint.isValid() ? sinceLastPaint.elapsed() : FrameMs;
    if (since >= FrameMs) {
        soonPosted = true;
        QCoreApplication::postEvent(this, new QEvent(PaintSoon), Qt::LowEventPriority);
    } else {
        frame.start(static_cast<int>(FrameMs - since), Qt::PreciseTimer, this);
    }
    return true;
}

bool PaintPacer::event(QEvent* event)
{
    if (event->type() != PaintSoon)
        return QObject::event(event);
    // A flush in between has painted already.
    if (!soonPosted)
        return true;
    if (external) {
        soonPosted = false;
        heldForCaller = true;
    } else {
        flush();
    }
    return true;
}

void PaintPacer::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == frame.timerId())
        flush();
    else
        QObject::timerEvent(event);
}
