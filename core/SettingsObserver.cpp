#include "SettingsObserver.h"

SettingsObserver::SettingsObserver(SettingsSubject* s)
    : Observer(s)
{
    // Not attach(): that would report every value before the owner is built.
    if (subject)
        subject->attach(this);
    if (SettingsSubject* st = settingsSubject())
        readCaches(st);
}

SettingsObserver::~SettingsObserver()
{
    detach();
}

SettingsSubject* SettingsObserver::settingsSubject() const
{
    return subject ? dynamic_cast<SettingsSubject*>(subject) : nullptr;
}

void SettingsObserver::readCaches(SettingsSubject* s)
{
    weightUnit = s->getWeightUnitType();
    tempUnit = s->getTempUnitType();
    evsUnit = s->getEvsUnitType();
    ledPanelType = s->getLedPanelType();
    backlightStrength = s->getBacklightStrength();
    backlightAuto = s->getBacklightAuto();
    clockType = s->getClockType();
    clockTimeOffset = s->getClockTimeOffset();
    language = s->getSelectedLanguage();
}

void SettingsObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    SettingsSubject* s = settingsSubject();
    if (!s)
        return;
    readCaches(s);
    weightUnittypeChanged(weightUnit);
    tempratureUnittypeChanged(tempUnit);
    evsUnittypeChanged(evsUnit);
    ledPanelTypeChanged(ledPanelType);
    backlightStrengthChanged(backlightStrength);
    backlightAutoChanged(backlightAuto);
    clockTypeChanged(clockType);
    clockTimeOffsetChanged(clockTimeOffset);
    languageChanged(language);
}

void SettingsObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void SettingsObserver::update()
{
    SettingsSubject* s = settingsSubject();
    if (!s)
        return;
    if (s->getWeightUnitType() != weightUnit) {
        weightUnit = s->getWeightUnitType();
        weightUnittypeChanged(weightUnit);
    }
    if (s->getTempUnitType() != tempUnit) {
        tempUnit = s->getTempUnitType();
        tempratureUnittypeChanged(tempUnit);
    }
    if (s->getEvsUnitType() != evsUnit) {
        evsUnit = s->getEvsUnitType();
        evsUnittypeChanged(evsUnit);
    }
    if (s->getLedPanelType() != ledPanelType) {
        ledPanelType = s->getLedPanelType();
        ledPanelTypeChanged(ledPanelType);
    }
    if (s->getBacklightStrength() != backlightStrength) {
        backlightStrength = s->getBacklightStrength();
        backlightStrengthChanged(backlightStrength);
    }
    if (s->getBacklightAuto() != backlightAuto) {
        backlightAuto = s->getBacklightAuto();
        backlightAutoChanged(backlightAuto);
    }
    if (s->getClockType() != clockType) {
        clockType = s->getClockType();
        clockTypeChanged(clockType);
    }
    if (s->getClockTimeOffset() != clockTimeOffset) {
        clockTimeOffset = s->getClockTimeOffset();
        clockTimeOffsetChanged(clockTimeOffset);
    }
    if (s->getSelectedLanguage() != language) {
        language = s->getSelectedLanguage();
        languageChanged(language);
    }
}

void SettingsObserver::weightUnittypeChanged(unit_t) {}
void SettingsObserver::tempratureUnittypeChanged(unit_t) {}
void SettingsObserver::evsUnittypeChanged(unit_t) {}
void SettingsObserver::ledPanelTypeChanged(ledPanelType_t) {}
void SettingsObserver::backlightStrengthChanged(unsigned char) {}
void SettingsObserver::backlightAutoChanged(bool) {}
void SettingsObserver::clockTypeChanged(clocktype_t) {}
void SettingsObserver::clockTimeOffsetChanged(long) {}
void SettingsObserver::languageChanged(int) {}

void SettingsObserver::setWeightUnittype(unit_t t)
{
    if (SettingsSubject* s = settingsSubject())
        s->setWeightUnitType(t);
}

void SettingsObserver::setTempratureUnittype(unit_t t)
{
    if (SettingsSubject* s = settingsSubject())
        s->setTempUnitType(t);
}

void SettingsObserver::setEvsUnittype(unit_t t)
{
    if (SettingsSubject* s = settingsSubject())
        s->setEvsUnitType(t);
}

void SettingsObserver::setLedpanelType(ledPanelType_t t)
{
    if (SettingsSubject* s = settingsSubject())
        s->setLedPanelType(t);
}

void SettingsObserver::setBacklightStrength(unsigned char strength)
{
    if (SettingsSubject* s = settingsSubject())
        s->setBacklightStrength(strength);
}

void SettingsObserver::setBacklightAuto(bool automatic)
{
    if (SettingsSubject* s = settingsSubject())
        s->setBacklightAuto(automatic);
}

void SettingsObserver::setClockType(clocktype_t t)
{
    if (SettingsSubject* s = settingsSubject())
        s->setClockType(t);
}

void SettingsObserver::setClockTimeOffset(long offset)
{
    if (SettingsSubject* s = settingsSubject())
        s->setClockTimeOffset(offset);
}

void SettingsObserver::setLanguage(int l)
{
    if (SettingsSubject* s = settingsSubject())
        s->setSelectedLanguage(l);
}
