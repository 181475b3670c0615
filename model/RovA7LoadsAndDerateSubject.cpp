#include "model/RovA7LoadsAndDerateSubject.h"

#include <algorithm>

namespace {
float byteAt(unsigned int value, int shift)
{
    return static_cast<float>((value >> shift) & 0xFFu);
}

// A strength above 100 % would mean "stronger than not derated".
float strengthAt(unsigned int value, int shift)
{
    return std::min(byteAt(value, shift), 100.0f);
}
} // namespace

RovA7LoadsAndDerateSubject::RovA7LoadsAndDerateSubject(MpdoSubject* mpdo, WinchAvailableSubject* winch,
                                                       FlyjibAvailableSubject* flyjib, EvsAvailableSubject* evs)
    : MpdoObserver(mpdo)
    , WinchAvailableObserver(winch)
    , FlyjibAvailableObserver(flyjib)
    , EvsAvailableObserver(evs)
{
    winchAvailable = getWinchAvailable();
    flyjibAvailable = getFlyjibAvailable();
}

void RovA7LoadsAndDerateSubject::attach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::attach(o);
    if (before != 0 || getNumberOfAttachedObservers() != 1)
        return;
    FlyjibAvailableObserver::attach();
    WinchAvailableObserver::attach();
    EvsAvailableObserver::attach();
    subscribe(LoadsIndex, 0);
    subscribe(DeratesIndex, 0);
}

void RovA7LoadsAndDerateSubject::detach(Observer* o)
{
    const int before = getNumberOfAttachedObservers();
    Subject::detach(o);
    if (before == 0 || getNumberOfAttachedObservers() != 0)
        return;
    FlyjibAvailableObserver::detach();
    WinchAvailableObserver::detach();
    EvsAvailableObserver::detach();
    unsubscribe(LoadsIndex, 0);
    unsubscribe(DeratesIndex, 0);
    loadValid = false;
    strengthValid = false;
    craneLoad = 0;
    winchLoad = 0;
    flyjibLoad = 0;
}

void RovA7LoadsAndDerateSubject::newValue(unsigned int index, unsigned char subIndex, unsigned int value)
{
    if (subIndex != 0)
        return;
    // Both entries carry crane, flyjib, winch in this byte order.
    if (index == LoadsIndex) {
        craneLoad = byteAt(value, 0);
        flyjibLoad = byteAt(value, 8);
        winchLoad = byteAt(value, 16);
        evsLoad = byteAt(value, 24);
        loadValid = true;
        notify();
    } else if (index == DeratesIndex) {
        // The top byte is the HDL level, read by the HDL subject.
        craneStrength = strengthAt(value, 0);
        flyjibStrength = strengthAt(value, 8);
        winchStrength = strengthAt(value, 16);
        strengthValid = true;
        notify();
    }
}

float RovA7LoadsAndDerateSubject::getCraneLoad()
{
    return loadValid ? craneLoad : 0;
}

float RovA7LoadsAndDerateSubject::getWinchLoad()
{
    return winchAvailable && loadValid ? winchLoad : 0;
}

float RovA7LoadsAndDerateSubject::getFlyjibLoad()
{
    return flyjibAvailable && loadValid ? flyjibLoad : 0;
}

float RovA7LoadsAndDerateSubject::getEvsLoad()
{
    return evsAvailable ? evsLoad : 0;
}

float RovA7LoadsAndDerateSubject::getCraneStrength()
{
    return strengthValid ? craneStrength : 0;
}

// Absent equipment never limits the crane.
float RovA7LoadsAndDerateSubject::getWinchStrength()
{
    if (!strengthValid)
        return 0;
    return winchAvailable ? winchStrength : 100;
}

float RovA7LoadsAndDerateSubject::getFlyjibStrength()
{
    if (!strengthValid)
        return 0;
    return flyjibAvailable ? flyjibStrength : 100;
}

float RovA7LoadsAndDerateSubject::getStrength()
{
    return std::min({getCraneStrength(), getWinchStrength(), getFlyjibStrength()});
}

void RovA7LoadsAndDerateSubject::winchAvailableChanged(bool available)
{
    winchAvailable = available;
}

void RovA7LoadsAndDerateSubject::flyjibAvailableChanged(bool available)
{
    flyjibAvailable = available;
}

void RovA7LoadsAndDerateSubject::evsAvailableChanged(bool available)
{
    evsAvailable = available;
}
