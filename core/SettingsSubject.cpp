#include "SettingsSubject.h"

#include "core/ExternalProgram.h"

#include <QLockFile>
#include <QProcess>
#include <QSettings>

#include <cstdint>
#include <limits>

namespace {

const QString WeightKey = QStringLiteral("PreferedUnitType/weight");
const QString TempKey = QStringLiteral("PreferedUnitType/temprature");
const QString EvsKey = QStringLiteral("PreferedUnitType/evs");
const QString LedPanelKey = QStringLiteral("LedPanel/Type");
const QString ClockTypeKey = QStringLiteral("Clock/type");
const QString ClockOffsetKey = QStringLiteral("Clock/offset");
const QString StrengthKey = QStringLiteral("Backlight/strength");
const QString AutoKey = QStringLiteral("Backlight/auto");
const QString LanguageKey = QStringLiteral("Language/selectedLanguage");

unsigned int readUnsigned(QSettings* s, const QString& key, unsigned int fallback)
{
    bool ok = false;
    const unsigned int v = s->value(key, fallback).toUInt(&ok);
    return ok ? v : fallback;
}

} // namespace

SettingsSubject::SettingsSubject(QSettings* s)
    : Subject(nullptr)
    , settings(s)
{
    unlockSettingsfile();
    restoreSettings();
    validateSettings();
    syncProcess = new QProcess(this);
}

SettingsSubject::~SettingsSubject()
{
    // Destroying a running QProcess kills it; give a pending flush a moment.
    if (syncProcess && syncProcess->state() != QProcess::NotRunning)
        syncProcess->waitForFinished(2000);
}

void SettingsSubject::unlockSettingsfile()
{
    if (!settings)
        return;
    // A run cut off while writing leaves its lock behind; remove it before
    // anything is read so the next write does not stall on it.
    QLockFile lock(settings->fileName() + QStringLiteral(".lock"));
    lock.unlock();
    lock.removeStaleLockFile();
}

void SettingsSubject::restoreSettings()
{
    if (!settings)
        return;
    weightUnit = static_cast<unit_t>(readUnsigned(settings, WeightKey, UNIT_KG));
    tempUnit = static_cast<unit_t>(readUnsigned(settings, TempKey, UNIT_CELSIUS));
    evsUnit = static_cast<unit_t>(readUnsigned(settings, EvsKey, UNIT_PERCENT));
    ledPanelType = static_cast<ledPanelType_t>(readUnsigned(settings, LedPanelKey, LEDPANEL_FUNCTION));
    clockType = static_cast<clocktype_t>(readUnsigned(settings, ClockTypeKey, CLOCK_24H));

    // The offset is kept as the unsigned 32-bit pattern of a signed value.
    bool ok = false;
    const qlonglong raw = settings->value(ClockOffsetKey, 0).toLongLong(&ok);
    if (ok && raw >= std::numeric_limits<int32_t>::min() && raw <= std::numeric_limits<uint32_t>::max())
        clockTimeOffset = static_cast<int32_t>(static_cast<uint32_t>(raw));
    else
        clockTimeOffset = 0;

    // Kept wide until validation so that 300 is not read as 44.
    const unsigned int strength = readUnsigned(settings, StrengthKey, 100);
    backlightStrength = static_cast<unsigned char>(strength > 100 ? 100 : strength);

    backlightAuto = settings->value(AutoKey, true).toBool();

    const int language = settings->value(LanguageKey, 0).toInt(&ok);
    selectedLanguage = ok ? language : 0;
}

void SettingsSubject::validateSettings()
{
    if (weightUnit != UNIT_KG && weightUnit != UNIT_LB)
        weightUnit = UNIT_KG;
    if (tempUnit != UNIT_CELSIUS && tempUnit != UNIT_FAHRENHEIT)
        tempUnit = UNIT_CELSIUS;
    if (evsUnit != UNIT_PERCENT && evsUnit != UNIT_DEGREES)
        evsUnit = UNIT_PERCENT;
    if (backlightStrength > 100)
        backlightStrength = 100;
}

void SettingsSubject::sync()
{
    if (settings)
        settings->sync();
    if (!syncProcess || syncProcess->state() != QProcess::NotRunning)
        return;
    // A missing or failing "sync" is not an error: the file is written anyway.
    ExternalProgram::start(*syncProcess, QStringLiteral("sync"));
}

void SettingsSubject::storeType(QString key, unit_t* field, unit_t value)
{
    if (!field || *field == value)
        return;
    *field = value;
    if (settings)
        settings->setValue(key, static_cast<unsigned int>(value));
    sync();
    notify();
}

void SettingsSubject::setWeightUnitType(unit_t t)
{
    storeType(WeightKey, &weightUnit, t);
    sync();
}

void SettingsSubject::setTempUnitType(unit_t t)
{
    storeType(TempKey, &tempUnit, t);
    sync();
}

void SettingsSubject::setEvsUnitType(unit_t t)
{
    storeType(EvsKey, &evsUnit, t);
    sync();
}

void SettingsSubject::setLedPanelType(ledPanelType_t t)
{
    if (t == ledPanelType)
        return;
    ledPanelType = t;
    if (settings)
        settings->setValue(LedPanelKey, static_cast<unsigned int>(t));
    sync();
    notify();
}

void SettingsSubject::setClockType(clocktype_t t)
{
    if (t == clockType)
        return;
    clockType = t;
    if (settings)
        settings->setValue(ClockTypeKey, static_cast<unsigned int>(t));
    sync();
    notify();
}

void SettingsSubject::setClockTimeOffset(long offset)
{
    // Only 32 bits reach the file; clamp so the held value is what a restart reads.
    if (offset > std::numeric_limits<int32_t>::max())
        offset = std::numeric_limits<int32_t>::max();
    else if (offset < std::numeric_limits<int32_t>::min())
        offset = std::numeric_limits<int32_t>::min();
    if (offset == clockTimeOffset)
        return;
    clockTimeOffset = offset;
    if (settings)
        settings->setValue(ClockOffsetKey, static_cast<unsigned int>(static_cast<uint32_t>(static_cast<int32_t>(offset))));
    sync();
    notify();
}

void SettingsSubject::setBacklightStrength(unsigned char strength)
{
    if (strength == backlightStrength)
        return;
    backlightStrength = strength;
    if (settings)
        settings->setValue(StrengthKey, static_cast<unsigned int>(strength));
    sync();
    notify();
}

void SettingsSubject::setBacklightAuto(bool automatic)
{
    if (automatic == backlightAuto)
        return;
    backlightAuto = automatic;
    if (settings)
        settings->setValue(AutoKey, automatic);
    sync();
    notify();
}

void SettingsSubject::setSelectedLanguage(int language)
{
    if (language == selectedLanguage)
        return;
    selectedLanguage = language;
    if (settings)
        settings->setValue(LanguageKey, language);
    sync();
    notify();
}
