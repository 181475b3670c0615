#pragma once

// Subjects with settable values for the crane overview and HDL view tests.

#include "model/EvsAvailableSubject.h"
#include "model/EvsSubject.h"
#include "model/FrontStabSubject.h"
#include "model/HdlSubject.h"
#include "model/LanguageSubject.h"
#include "model/LoadsAndDerateSubject.h"
#include "model/OilTempSubject.h"
#include "model/RegenerationModeSubject.h"
#include "model/WeightSubject.h"
#include "support/TestSandbox.h"

#include <QByteArray>

class FakeLoads : public LoadsAndDerateSubject {
public:
    float getCraneLoad() override { return craneLoad; }
    float getWinchLoad() override { return winchLoad; }
    float getFlyjibLoad() override { return flyjibLoad; }
    float getCraneStrength() override { return craneStrength; }
    float getWinchStrength() override { return winchStrength; }
    float getFlyjibStrength() override { return flyjibStrength; }
    float getStrength() override { return strength; }
    float getEvsLoad() override { return 0; }
    bool isLoadValid() override { return loadValid; }
    bool isStrengthValid() override { return strengthValid; }

    float craneLoad = 0, winchLoad = 0, flyjibLoad = 0;
    float craneStrength = 100, winchStrength = 100, flyjibStrength = 100, strength = 100;
    bool loadValid = true, strengthValid = true;
};

class FakeHdl : public HdlSubject {
public:
    unsigned int getHdlLevel() override { return level; }
    bool isHdlLoadValid() override { return valid; }
    unsigned int level = 100;
    bool valid = true;
};

class FakeEvs : public EvsSubject {
public:
    FakeEvs()
        : EvsSubject(nullptr)
    {
    }
    float getEvsXpct() override { return x; }
    float getEvsYpct() override { return y; }
    float getEvsXdegress() override { return xDegrees; }
    float getEvsYdegress() override { return yDegrees; }
    float getEvsCalibrationLevel() override { return 0; }
    bool isEvsValid() override { return valid; }
    float x = 0, y = 0;
    float xDegrees = 0, yDegrees = 0;
    bool valid = true;
};

class FakeOilTemp : public OilTempSubject {
public:
    FakeOilTemp()
        : OilTempSubject(nullptr)
    {
    }
    float getOilTemp() override { return celsius; }
    bool isOilTempValid() override { return valid; }
    float celsius = 40;
    bool valid = true;
};

class FakeWeight : public WeightSubject {
public:
    FakeWeight()
        : WeightSubject(nullptr)
    {
    }
    float getWeightKg() override { return kg; }
    bool isWeightValid() override { return valid; }
    float kg = 0;
    bool valid = true;
};

class FakeFrontStab : public FrontStabSubject {
public:
    bool isFrontStabLoadValid() override { return valid; }
    unsigned int getFronStabLoad() override { return load; }
    void setAvailable(bool a) { available = a; }
    unsigned int load = 0;
    bool valid = true;
};

class FakeEvsAvailable : public EvsAvailableSubject {
public:
    void setAvailable(bool a) { available = a; }
};

class FakeRegenMode : public RegenerationModeSubject {
public:
    unsigned int getRegenerationMode() override { return mode; }
    unsigned int mode = 0;
};

// The shared translation table is loaded once per process, by the first
// language subject; this one holds the texts the crane views show.
inline LanguageSubject* makeTestLanguage(const TestSandbox& sandbox)
{
    QByteArray table = "Translations:1.0:test\nKey;English\n";
    for (int id = 0; id < 70; ++id) {
        QByteArray text = "Text" + QByteArray::number(id);
        switch (id) {
        case 52: text = "Crane"; break;
        case 53: text = "Strength"; break;
        case 54: text = "Winch"; break;
        case 55: text = "Flyjib"; break;
        case 56: text = "Crane beside"; break;
        case 63: text = "HDL"; break;
        case 64: text = "Overview"; break;
        default: break;
        }
        table += "k" + QByteArray::number(id) + ";" + text + "\n";
    }
    sandbox.writeFile(sandbox.devicePath(QStringLiteral("/home/GUI/nordel/LumoraTranslations.csv")), table);
    return new LanguageSubject(nullptr);
}
