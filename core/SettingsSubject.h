#pragma once

#include "core/Subject.h"

#include <QString>

class QProcess;
class QSettings;

// Units the operator can choose; one enumeration for weight (0, 1),
// temperature (2, 3) and EVS inclination (4, 5).
enum unit_t : unsigned int {
    UNIT_KG = 0,
    UNIT_LB = 1,
    UNIT_CELSIUS = 2,
    UNIT_FAHRENHEIT = 3,
    UNIT_PERCENT = 4,
    UNIT_DEGREES = 5,
};

// Clock text: 0 gives 12-hour text with am/pm, anything else 24-hour text.
enum clocktype_t : unsigned int {
    CLOCK_12H = 0,
    CLOCK_24H = 1,
};

// LED panel: 0 is one utilisation bar, 1 gives each LED its own function.
enum ledPanelType_t : unsigned int {
    LEDPANEL_BAR = 0,
    LEDPANEL_FUNCTION = 1,
};

// The operator's preferences, loaded once from the settings file at start,
// validated, and written through (plus a file-system flush) on every change.
// Fed by the settings view through SettingsObserver's commands; read by the
// handlers and unit-converting subjects.
class SettingsSubject : public Subject {
    Q_OBJECT
public:
    explicit SettingsSubject(QSettings* settings);
    ~SettingsSubject() override;

    unit_t getWeightUnitType() const { return weightUnit; }
    unit_t getTempUnitType() const { return tempUnit; }
    unit_t getEvsUnitType() const { return evsUnit; }
    ledPanelType_t getLedPanelType() const { return ledPanelType; }
    clocktype_t getClockType() const { return clockType; }
    long getClockTimeOffset() const { return clockTimeOffset; }
    unsigned char getBacklightStrength() const { return backlightStrength; }
    bool getBacklightAuto() const { return backlightAuto; }
    int getSelectedLanguage() const { return selectedLanguage; }

    void setWeightUnitType(unit_t t);
    void setTempUnitType(unit_t t);
    void setEvsUnitType(unit_t t);
    void setLedPanelType(ledPanelType_t t);
    void setClockType(clocktype_t t);
    void setClockTimeOffset(long offset);
    void setBacklightStrength(unsigned char strength);
    void setBacklightAuto(bool automatic);
    void setSelectedLanguage(int language);

    // The flush process, for callers that need to wait for it.
    const QProcess* flushProcess() const { return syncProcess; }

protected:
    void storeType(QString key, unit_t* field, unit_t value);

private:
    void unlockSettingsfile();
    void restoreSettings();
    void validateSettings();
    void sync();

    QSettings* settings;
    QProcess* syncProcess = nullptr;

    unit_t weightUnit = UNIT_KG;
    unit_t tempUnit = UNIT_CELSIUS;
    unit_t evsUnit = UNIT_PERCENT;
    ledPanelType_t ledPanelType = LEDPANEL_FUNCTION;
    clocktype_t clockType = CLOCK_24H;
    long clockTimeOffset = 0;
    unsigned char backlightStrength = 100;
    bool backlightAuto = true;
    int selectedLanguage = 0;
};
