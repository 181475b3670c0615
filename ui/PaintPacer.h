#pragma once

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

class QWidget;

// Holds painting of the window that shows one widget to the display's frame
// rate. Widgets keep changing their state on every notification and mark
// themselves dirty as usual; the pacer lets the window paint and flush at
// most once per frame, always with the latest state. A change after a quiet
// spell is painted as soon as the notifications it set off have run.
// Created once, on the application's view; it follows the view into
// whatever window frames it.
class PaintPacer : public QObject {
    Q_OBJECT
public:
    // The display refreshes at 50 Hz.
    static constexpr int FrameMs = 20;

    explicit PaintPacer(QWidget* widget);
    ~PaintPacer() override;

    // The pacer of the window that shows w, if any.
    static PaintPacer* find(const QWidget* w);

    // Frames come from the caller's flush() instead of the pacer's own
    // clock: for counting the work per frame in a run far slower than real
    // time (under an instruction counter), where the clock would paint far
    // more often per frame than on the unit.
    void setExternalFrames(bool on);

    // True while a paint waits for the next frame.
    bool isPending() const { return frame.isActive() || soonPosted || heldForCaller; }
    // Paints of the window so far, and the paint requests held back for them.
    long paints() const { return painted; }
    long heldBack() const { return held; }

public slots:
    // Paints whatever is pending now, for a picture of the screen.
    void flush();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void follow();

    QPointer<QWidget> widget;
    QPointer<QWidget> window;
    QBasicTimer frame;
    QElapsedTimer sinceLastPaint;
    bool flushing = false;
    bool soonPosted = false;
    bool external = false;
    bool heldForCaller = false;
    long painted = 0;
    long held = 0;
};
