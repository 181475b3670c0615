#pragma once

#include <QString>
#include <QVector>

// A timeline for the simulated crane and the operator, read from a small
// text format (one action per line, "#" starts a comment):
//
//   at 2.5 set crane.load 40            quantity := value at 2.5 s
//   after 1 ramp crane.load from 40 to 120 over 8s
//   at 12 press 4 / at 12.2 release 4   soft key 0-7 (left 0-3 top down, right 4-7 bottom up)
//   at 13 lever 0 200                   lever 0-8 to position 0-255
//   at 14 input 3 on                    digital input 0-31
//   at 15 screenshot crane-derated      saves <name>.png of the display
//   at 30 loop / at 30 end              start again from 0 s / stop here
//
// "at T" is absolute, "after D" relative to the line before; times are
// seconds unless written with "ms", "s" or "min". Quantities and their
// values are those of CraneModel. Parsing stops at the first bad line with
// its line number.
class Scenario {
public:
    struct Event {
        enum Kind { Set, Ramp, Press, Release, Lever, Input, Screenshot, Loop, End };
        Kind kind = Set;
        qint64 atMs = 0;
        QString name;       // quantity or screenshot name
        double from = 0;    // value of Set, start of Ramp
        double to = 0;      // end of Ramp
        qint64 durationMs = 0;
        int number = 0;     // key, lever or input
        int value = 0;      // lever position, input state
        int line = 0;
    };

    // False with "line N: reason" in error.
    bool parse(const QString& text, QString* error = nullptr);
    // Reads a file (or a ":/" resource) and parses it; the error names the file.
    bool load(const QString& path, QString* error = nullptr);

    const QVector<Event>& events() const { return m_events; }
    // Time of the last event (ramps count with their end).
    qint64 lengthMs() const;
    bool isEmpty() const { return m_events.isEmpty(); }

    // Accepted screenshot names: letters, digits, "-", "_", "." inside.
    static bool isValidScreenshotName(const QString& name);
    // "2.5", "2500ms", "2.5s", "1min"; false for negative or malformed times.
    static bool parseTime(const QString& text, qint64& ms);

private:
    QVector<Event> m_events;
};
