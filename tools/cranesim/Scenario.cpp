#include "Scenario.h"

#include "CraneModel.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {
// A day is far longer than any scenario; it keeps the arithmetic in range.
constexpr qint64 LongestMs = 24LL * 3600 * 1000;

bool wholeNumber(const QString& text, int lo, int hi, int& out)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < lo || n > hi)
        return false;
    out = n;
    return true;
}
}

bool Scenario::parseTime(const QString& text, qint64& ms)
{
    static const QRegularExpression form(QStringLiteral("^(\\d+(?:\\.\\d+)?)(ms|s|min)?$"));
    const QRegularExpressionMatch m = form.match(text.trimmed().toLower());
    if (!m.hasMatch())
        return false;
    const double number = m.captured(1).toDouble();
    const QString unit = m.captured(2);
    const double factor = unit == QLatin1String("ms") ? 1.0 : (unit == QLatin1String("min") ? 60000.0 : 1000.0);
    const double value = number * factor;
    if (!std::isfinite(value) || value > double(LongestMs))
        return false;
    ms = std::llround(value);
    return true;
}

bool Scenario::isValidScreenshotName(const QString& name)
{
    static const QRegularExpression form(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9_.-]{0,63}$"));
    return form.match(name).hasMatch() && !name.contains(QLatin1String(".."));
}

bool Scenario::parse(const QString& text, QString* error)
{
    m_events.clear();
    QVector<Event> events;
    qint64 previous = 0;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        auto fail = [&](const QString& why) {
            if (error)
                *error = QStringLiteral("line %1: %2").arg(lineNo).arg(why);
            return false;
        };
        QString line = lines.at(i);
        const int hash = line.indexOf(QLatin1Char('#'));
        if (hash >= 0)
            line.truncate(hash);
        const QStringList w = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (w.isEmpty())
            continue;
        if (w.size() < 3 || (w.at(0) != QLatin1String("at") && w.at(0) != QLatin1String("after")))
            return fail(QStringLiteral("expected \"at TIME ACTION ...\" or \"after TIME ACTION ...\""));
        qint64 t = 0;
        if (!parseTime(w.at(1), t))
            return fail(QStringLiteral("bad time \"%1\"").arg(w.at(1)));
        if (w.at(0) == QLatin1String("after"))
            t += previous;
        if (t > LongestMs)
            return fail(QStringLiteral("time beyond 24 hours"));
        previous = t;

        Event e;
        e.atMs = t;
        e.line = lineNo;
        const QString action = w.at(2).toLower();
        const QStringList args = w.mid(3);
        auto argCount = [&](int n) { return args.size() == n; };
        QString why;
        if (action == QLatin1String("set")) {
            if (!argCount(2))
                return fail(QStringLiteral("usage: set QUANTITY VALUE"));
            e.kind = Event::Set;
            e.name = args.at(0);
            if (!CraneModel::parseValue(e.name, args.at(1), e.from, &why))
                return fail(why);
        } else if (action == QLatin1String("ramp")) {
            if (!argCount(7) || args.at(1) != QLatin1String("from") || args.at(3) != QLatin1String("to")
                || args.at(5) != QLatin1String("over"))
                return fail(QStringLiteral("usage: ramp QUANTITY from A to B over DURATION"));
            e.kind = Event::Ramp;
            e.name = args.at(0);
            if (!CraneModel::parseValue(e.name, args.at(2), e.from, &why)
                || !CraneModel::parseValue(e.name, args.at(4), e.to, &why))
                return fail(why);
            if (std::isnan(e.from) || std::isnan(e.to))
                return fail(QStringLiteral("a ramp needs known values"));
            if (!parseTime(args.at(6), e.durationMs))
                return fail(QStringLiteral("bad duration \"%1\"").arg(args.at(6)));
        } else if (action == QLatin1String("press") || action == QLatin1String("release")) {
            e.kind = action == QLatin1String("press") ? Event::Press : Event::Release;
            if (!argCount(1) || !wholeNumber(args.at(0), 0, 7, e.number))
                return fail(QStringLiteral("usage: %1 KEY (soft key 0 to 7)").arg(action));
        } else if (action == QLatin1String("lever")) {
            e.kind = Event::Lever;
            const QStringList a = (args.size() == 3 && args.at(1) == QLatin1String("to"))
                ? QStringList {args.at(0), args.at(2)}
                : args;
            if (a.size() != 2 || !wholeNumber(a.at(0), 0, 8, e.number) || !wholeNumber(a.at(1), 0, 255, e.value))
                return fail(QStringLiteral("usage: lever N POSITION (lever 0 to 8, position 0 to 255)"));
        } else if (action == QLatin1String("input")) {
            e.kind = Event::Input;
            double state = 0;
            if (!argCount(2) || !wholeNumber(args.at(0), 0, 31, e.number)
                || !CraneModel::parseValue(QStringLiteral("cbs"), args.at(1), state) || std::isnan(state))
                return fail(QStringLiteral("usage: input N on|off (input 0 to 31)"));
            e.value = state == 1 ? 1 : 0;
        } else if (action == QLatin1String("screenshot")) {
            e.kind = Event::Screenshot;
            if (!argCount(1) || !isValidScreenshotName(args.at(0)))
                return fail(QStringLiteral("usage: screenshot NAME (letters, digits, \"-\", \"_\", \".\")"));
            e.name = args.at(0);
        } else if (action == QLatin1String("loop") || action == QLatin1String("end")) {
            if (!argCount(0))
                return fail(QStringLiteral("%1 takes nothing more").arg(action));
            e.kind = action == QLatin1String("loop") ? Event::Loop : Event::End;
            if (e.kind == Event::Loop && t <= 0)
                return fail(QStringLiteral("loop needs a time after 0"));
        } else {
            return fail(QStringLiteral("unknown action \"%1\"").arg(w.at(2)));
        }
        events.append(e);
    }
    // Lines may be written out of order; equal times keep their order.
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) { return a.atMs < b.atMs; });
    m_events = events;
    return true;
}

bool Scenario::load(const QString& path, QString* error)
{
    QFile file(path);
    // Scenarios are short; a huge file is a mistake, not a scenario.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text) || file.size() > 1024 * 1024) {
        if (error)
            *error = QStringLiteral("%1: cannot read").arg(path);
        return false;
    }
    QString why;
    if (!parse(QString::fromUtf8(file.readAll()), &why)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, why);
        return false;
    }
    return true;
}

qint64 Scenario::lengthMs() const
{
    qint64 end = 0;
    for (const Event& e : m_events)
        end = std::max(end, e.atMs + (e.kind == Event::Ramp ? e.durationMs : 0));
    return end;
}
