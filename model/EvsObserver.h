#pragma once

#include "core/Observer.h"

#include <QString>

class EvsSubject;

// Adapter of the EVS subject for the EVS and bubble-level views: signed
// values for drawing, unsigned texts in the operator's EVS unit. Reports at
// most one change per notification.
class EvsObserver : public Observer {
public:
    explicit EvsObserver(EvsSubject* s);
    virtual ~EvsObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void evsXpctChanged(float percent, bool valid);
    virtual void evsYpctChanged(float percent, bool valid);
    virtual void evsXdegreeChanged(float degrees, bool valid);
    virtual void evsYdegreeChanged(float degrees, bool valid);
    virtual void evsCalibrationLevelChanged(bool valid);

    QString getEvsXString() const { return xText; }
    QString getEvsYString() const { return yText; }
    QString getCalibrationLevelString() const { return calibrationText; }

private:
    EvsSubject* evs() const;
    void updateAll(EvsSubject* s);
    QString axisText(EvsSubject* s, float percent, float degrees) const;
    QString calibrationLevelText() const;

    float xPercent = 0;
    float yPercent = 0;
    float xDegrees = 0;
    float yDegrees = 0;
    float calibrationLevel = 0;
    bool valid = false;
    QString xText;
    QString yText;
    QString calibrationText;
};
