#pragma once

#include "core/Observer.h"

#include <QString>

class OilTempSubject;

// Adapter of OilTempSubject: reports the valid flag when attached and again
// whenever the temperature changes; formats the temperature in the
// operator's unit. Does not attach itself.
class OilTempObserver : public Observer {
public:
    explicit OilTempObserver(OilTempSubject* s);
    virtual ~OilTempObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void oilTempChanged(bool valid);

    QString getOilTempString();

private:
    void readTemperature(OilTempSubject* s);

    float celsius = 0;
    double fahrenheit = 32;
    bool valid = false;
};
