#pragma once

#include "core/Subject.h"

// How heavily crane, winch and flyjib are loaded and how far each is derated
// (remaining permitted strength), in percent. Values are the effective ones:
// invalid or absent equipment reads as 0 (loads) or as not limiting (strengths).
class LoadsAndDerateSubject : public Subject {
public:
    explicit LoadsAndDerateSubject(QObject* parent = nullptr)
        : Subject(parent)
    {
    }

    virtual float getCraneLoad() = 0;
    virtual float getWinchLoad() = 0;
    virtual float getFlyjibLoad() = 0;
    virtual float getCraneStrength() = 0;
    virtual float getWinchStrength() = 0;
    virtual float getFlyjibStrength() = 0;
    virtual float getStrength() = 0;
    virtual float getEvsLoad() = 0;
    virtual bool isLoadValid() = 0;
    virtual bool isStrengthValid() = 0;
};
