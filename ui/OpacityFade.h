#pragma once

class QPropertyAnimation;
class QWidget;

// Linear opacity fade shared by the centre views, the mode widget and the
// notifications. The widget gets a fresh opacity effect; the animation is
// owned by that effect, so a newer fade on the same widget (which replaces
// the effect) cancels an older one silently.
namespace OpacityFade {
// Built but not started, so the caller can connect finished() first: a fade
// of 0 ms may finish inside start().
QPropertyAnimation* make(QWidget* widget, double from, double to, unsigned int ms);
// Starts an animation from make(); it deletes itself when it stops.
void run(QPropertyAnimation* animation);
}
