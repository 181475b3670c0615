#pragma once

#include <QString>

// What a scenario acts on: the crane model's quantities and the operator's
// hands on the remote control. The desktop program routes these to the
// simulator and the platform stand-in; tests record them.
class ScenarioTarget {
public:
    virtual ~ScenarioTarget() = default;
    virtual void setQuantity(const QString& name, double value) = 0;
    virtual void softKey(int key, bool pressed) = 0;
    virtual void lever(int lever, int position) = 0;
    virtual void digitalInput(int input, bool on) = 0;
    virtual void screenshot(const QString& name) = 0;
};
