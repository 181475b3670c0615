#pragma once

#include "core/Observer.h"

#include <QString>

class LoadsAndDerateSubject;

// Adapter of LoadsAndDerateSubject for the HDL and overview views, the
// function state and the LED handler. Reports at most one change per
// notification (validity first, then crane, winch, flyjib, overall, EVS) and
// formats the cached values. Does not attach itself.
class LoadsAndDerateObserver : public Observer {
public:
    enum loadOrStrengthType_t {
        crane = 0,
        winch = 1,
        flyjib = 2,
    };

    explicit LoadsAndDerateObserver(LoadsAndDerateSubject* s);
    virtual ~LoadsAndDerateObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void craneLoadChanged(float load, bool valid);
    virtual void winchLoadChanged(float load, bool valid);
    virtual void flyjibLoadChanged(float load, bool valid);
    virtual void evsLoadChanged(float load);
    virtual void craneStrengthChanged(float strength);
    virtual void winchStrengthChanged(float strength);
    virtual void flyjibStrengthChanged(float strength);
    virtual void strengthChanged(float strength, bool valid);

    QString getLoadString(loadOrStrengthType_t type);
    QString getStrengthString(loadOrStrengthType_t type);
    QString getStrength();
    QString getEvsLoadString();
    // Validity of the cached loads and strengths (the texts show "-" while not).
    bool isLoadValid() const { return loadValid; }
    bool isStrengthValid() const { return strengthValid; }

    void updateAllLoads();
    void updateAllStrengths();

private:
    LoadsAndDerateSubject* loadsSubject() const { return loads; }

    // Typed at construction: the getters run several times per received
    // value, and a checked downcast each time showed in the receive cost.
    LoadsAndDerateSubject* loads;

    float craneLoad = 0;
    float craneStrength = 0;
    float winchLoad = 0;
    float winchStrength = 0;
    float flyjibLoad = 0;
    float flyjibStrength = 0;
    float overallStrength = 0;
    float evsLoad = 0;
    bool loadValid = false;
    bool strengthValid = false;
};
