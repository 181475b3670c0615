#pragma once

#include "core/Observer.h"

#include <QString>

class InclinationSubject;

// Adapter of the inclination subject for views showing the truck's tilt.
// The owner calls attach() once it is ready to receive the current angles.
class InclinationObserver : public Observer {
public:
    explicit InclinationObserver(InclinationSubject* s);
    virtual ~InclinationObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void inclinationXdegreeChanged(float degrees);
    virtual void inclinationYdegreeChanged(float degrees);

    QString getInclinationXString() const;
    QString getInclinationYString() const;

private:
    InclinationSubject* inclination() const;

    float xDegrees = 0;
    float yDegrees = 0;
};
