#pragma once

#include "core/Observer.h"

#include <QString>

class WeightSubject;

// Adapter of the winch weight: reports weight and valid flag when attached
// and whenever either changes; formats the weight in the operator's unit.
// Does not attach itself.
class WinchWeightObserver : public Observer {
public:
    explicit WinchWeightObserver(WeightSubject* s);
    virtual ~WinchWeightObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void WinchWeightChanged(unsigned int kg, bool valid);

    QString getWinchWeightString();

private:
    float weightKg = 0;
    bool valid = false;
};
