#include "VemorRcBacklightSubject.h"

#include "View.h"

#include <QTimer>

#include <cmath>

VemorRcBacklightSubject::VemorRcBacklightSubject(View* v)
    : RcBacklightSubject(nullptr)
    , view(v)
{
    QTimer::singleShot(DelayedApplyMs, this, &VemorRcBacklightSubject::applyStoredBacklight);
}

unsigned char VemorRcBacklightSubject::levelToStep(unsigned int level)
{
    const long step = std::lround(level / 100.0 * 7.0);
    if (step > 7)
        return 7;
    // Step 0 would switch the screen dark; the dimmest usable step is 1.
    if (step < 1)
        return 1;
    return static_cast<unsigned char>(step);
}

void VemorRcBacklightSubject::setBacklight(unsigned int l, bool a)
{
    // Saturate rather than wrap: a wrapped 300 % would be replayed by the
    // delayed apply as a dim 44 %.
    level = static_cast<unsigned char>(l > 255 ? 255 : l);
    autoMode = a;
    if (view)
        view->setBacklightMode(a, levelToStep(l));
}

void VemorRcBacklightSubject::applyStoredBacklight()
{
    setBacklight(level, autoMode);
}
