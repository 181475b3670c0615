#pragma once

#include "core/Observer.h"

#include <QString>

class WeightSubject;

// Adapter of the hook weight: reports weight and valid flag when attached
// and whenever either changes; formats the weight in the operator's unit.
// Does not attach itself.
class HookWeightObserver : public Observer {
public:
    explicit HookWeightObserver(WeightSubject* s);
    virtual ~HookWeightObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void hookWeightChanged(unsigned int kg, bool valid);

    QString getHookWeightString();

private:
    float weightKg = 0;
    bool valid = false;
};
