#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

// The simulated crane and its load-limiting controller in physical terms:
// mode, loads and strengths, HDL level, blocked movements, stability, errors,
// override, equipment, weights, service counters and the controller clock.
// Scenarios and the desktop controls set quantities by name; the controller
// simulator asks it for the 32-bit value of an object-dictionary entry.
// Quantities may be "unknown", in which case the entries built from them are
// left out, as a controller that does not know a value stays silent.
class CraneModel {
public:
    struct Quantity {
        QString name;
        double minimum;
        double maximum;
        double initial;
        // Names of the values 0, 1, 2 ... for switches and enumerations.
        QStringList names;
        QString help;
    };

    CraneModel();

    static const QVector<Quantity>& quantities();
    // Index into quantities(), or -1.
    static int find(const QString& name);

    // Parses a value written in a scenario ("on", "crane", "12.5", "unknown",
    // a date for the clock). False with a reason when it is not acceptable.
    static bool parseValue(const QString& name, const QString& text, double& value, QString* error = nullptr);

    // Stores a value, limited to the quantity's range; NaN makes it unknown.
    // False for a name that is not a quantity.
    bool set(const QString& name, double value);
    double get(const QString& name) const;
    bool isKnown(const QString& name) const;

    // Lets time pass: the controller clock runs and an active override
    // counts down.
    void advance(int ms);

    // The value the controller sends for an entry; false when it would not
    // send that entry at all.
    bool entryValue(unsigned int index, unsigned char subIndex, unsigned int& value) const;
    // Every (index << 8 | sub-index) the controller can send.
    static QVector<unsigned int> knownEntries();

    // Effective strengths and HDL level (derived from the loads when automatic
    // derating is on).
    double craneStrength() const;
    double flyjibStrength() const;
    double winchStrength() const;
    double hdlLevel() const;

private:
    double v(int id) const { return m_values.at(id); }
    double v(const char* name) const;
    unsigned int modeWord() const;
    unsigned int blockedWord() const;

    QVector<double> m_values;
    double m_clockFraction = 0;
};
