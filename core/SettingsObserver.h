#pragma once

#include "core/Observer.h"
#include "core/SettingsSubject.h"

// Adapter of the settings store: typed callbacks for each preference that
// changed, and commands that forward a change to the store.
class SettingsObserver : public Observer {
public:
    explicit SettingsObserver(SettingsSubject* s);
    virtual ~SettingsObserver();

    // Attaches and reports all nine values, changed or not.
    void attach() override;
    void detach() override;
    void update() override;

    virtual void weightUnittypeChanged(unit_t t);
    virtual void tempratureUnittypeChanged(unit_t t);
    virtual void evsUnittypeChanged(unit_t t);
    virtual void ledPanelTypeChanged(ledPanelType_t t);
    virtual void backlightStrengthChanged(unsigned char strength);
    virtual void backlightAutoChanged(bool automatic);
    virtual void clockTypeChanged(clocktype_t t);
    virtual void clockTimeOffsetChanged(long offset);
    virtual void languageChanged(int language);

    void setWeightUnittype(unit_t t);
    void setTempratureUnittype(unit_t t);
    void setEvsUnittype(unit_t t);
    void setLedpanelType(ledPanelType_t t);
    void setBacklightStrength(unsigned char strength);
    void setBacklightAuto(bool automatic);
    void setClockType(clocktype_t t);
    void setClockTimeOffset(long offset);
    void setLanguage(int language);

protected:
    unit_t weightUnit = UNIT_KG;
    unit_t tempUnit = UNIT_KG;
    unit_t evsUnit = UNIT_KG;
    ledPanelType_t ledPanelType = LEDPANEL_BAR;
    unsigned char backlightStrength = 0;
    bool backlightAuto = false;
    clocktype_t clockType = CLOCK_12H;
    long clockTimeOffset = 0;
    int language = 0;

private:
    SettingsSubject* settingsSubject() const;
    void readCaches(SettingsSubject* s);
};
