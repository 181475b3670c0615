#include "CraneModel.h"

#include <QDateTime>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

const QStringList Switch = {QStringLiteral("off"), QStringLiteral("on")};

// Movements in the order of their block bits on the controller (joint 2 and
// the two winch functions have their pairs swapped there).
const char* const BlockBits[] = {
    "joint1.up", "joint1.down", "joint2.down", "joint2.up", "joint3.up", "joint3.down",
    "joint4.expand", "joint4.compress", "joint5.up", "joint5.down", "joint6.expand", "joint6.compress",
    "winch.2", "winch.1", "extra.1", "extra.2", "extra.3", "extra.4",
};
constexpr int BlockBitCount = int(sizeof(BlockBits) / sizeof(BlockBits[0]));

// Stabilisers in the order of their "set" bits.
const char* const StabSetBits[] = {
    "left.side.down", "left.side.out", "right.side.down", "right.side.out",
    "left.back.down", "left.back.out", "right.back.down", "right.back.out", "pas.down",
};
constexpr int StabCount = int(sizeof(StabSetBits) / sizeof(StabSetBits[0]));
const char* const StabFittedMain[] = {"left.side.down", "left.side.out", "right.side.down", "right.side.out", "pas.down"};
const char* const StabFittedBack[] = {"left.back.down", "left.back.out", "right.back.down", "right.back.out"};

constexpr double Unbounded = 1e12;

QVector<CraneModel::Quantity> buildQuantities()
{
    QVector<CraneModel::Quantity> q;
    auto number = [&q](const char* name, double lo, double hi, double init, const char* help) {
        q.append({QString::fromLatin1(name), lo, hi, init, {}, QString::fromLatin1(help)});
    };
    auto choice = [&q](const char* name, const QStringList& names, double init, const char* help) {
        q.append({QString::fromLatin1(name), 0, double(names.size() - 1), init, names, QString::fromLatin1(help)});
    };
    const QStringList modes = {QStringLiteral("none"), QStringLiteral("crane"), QStringLiteral("stab"),
                               QStringLiteral("sleep"), QStringLiteral("stop")};
    choice("mode", modes, 1, "controller operating mode");
    number("crane.load", 0, 255, 20, "crane load, percent of the permitted load");
    number("flyjib.load", 0, 255, 10, "flyjib load, percent");
    number("winch.load", 0, 255, 5, "winch load, percent");
    number("evs.load", 0, 255, 15, "vehicle-stability load, percent");
    number("crane.strength", 0, 100, 100, "remaining crane strength, percent (100 = not derated)");
    number("flyjib.strength", 0, 100, 100, "remaining flyjib strength, percent");
    number("winch.strength", 0, 100, 100, "remaining winch strength, percent");
    number("hdl.level", 0, 100, 100, "HDL level, percent");
    choice("derate.auto", Switch, 0, "derive strengths and HDL level from the loads");
    for (const char* f : BlockBits)
        q.append({QStringLiteral("blocked.") + QLatin1String(f), 0, 1, 0, Switch, QStringLiteral("movement blocked by the controller")});
    choice("flyjib.available", Switch, 1, "flyjib fitted");
    choice("winch.available", Switch, 1, "winch fitted");
    choice("evs.available", Switch, 1, "vehicle-stability system fitted");
    number("evs.x.deg", -327, 327, 0.4, "vehicle tilt across, degrees");
    number("evs.y.deg", -327, 327, -0.2, "vehicle tilt along, degrees");
    number("evs.x.pct", -32768, 32767, 12, "vehicle tilt across, percent of the limit");
    number("evs.y.pct", -32768, 32767, 6, "vehicle tilt along, percent of the limit");
    number("evs.calibration", 0, Unbounded, 100, "EVS calibration level, percent");
    number("evs3.code", 0, 65535, 0, "EVS III guidance code");
    number("slm.load", 0, 6553, 0, "SLM load, percent");
    number("inclination.x", -327, 327, 0.5, "controller inclination across, degrees");
    number("inclination.y", -327, 327, 0.3, "controller inclination along, degrees");
    for (const char* s : StabSetBits) {
        const QString name = QLatin1String(s);
        const bool main = name.contains(QLatin1String("side"));
        q.append({QStringLiteral("stab.fitted.") + name, 0, 1, main ? 1.0 : 0.0, Switch, QStringLiteral("stabiliser fitted")});
    }
    for (const char* s : StabSetBits)
        q.append({QStringLiteral("stab.set.") + QLatin1String(s), 0, 1, 1, Switch, QStringLiteral("stabiliser set")});
    choice("stab.side", {QStringLiteral("left"), QStringLiteral("right"), QStringLiteral("none")}, 2,
           "stabiliser side being set up");
    choice("frontstab.available", Switch, 0, "front stabiliser fitted");
    number("frontstab.load", 0, Unbounded, 0, "front stabiliser load, percent");
    number("error", 0, 65535, 0, "controller error code (0 and 1 are no error)");
    number("error.alt", 0, 255, 0, "alternative error code");
    choice("override", Switch, 0, "override active");
    number("override.time", 0, 6553, 0, "override time left, seconds; counts down while the override is on");
    choice("buzzer", {QStringLiteral("off"), QStringLiteral("continuous"), QStringLiteral("400ms"),
                      QStringLiteral("800ms"), QStringLiteral("1000ms"), QStringLiteral("3000ms")},
           0, "buzzer request of the controller");
    choice("cbs", Switch, 0, "CBS active");
    choice("mooring", {QStringLiteral("off"), QStringLiteral("auto"), QStringLiteral("locked")}, 0, "mooring state");
    number("infocentre.top", 0, 255, 0, "top info-centre icon id");
    number("infocentre.bottom", 0, 255, 0, "bottom info-centre icon id");
    choice("oil.available", Switch, 1, "oil temperature sensor fitted");
    number("oil.temp", -273, 1000, 45, "oil temperature, degrees Celsius");
    number("hook.weight", 0, Unbounded, 0, "hook weight, kg");
    number("winch.weight", 0, Unbounded, 0, "winch weight, kg");
    choice("regeneration.available", Switch, 0, "regeneration fitted");
    number("regeneration.mode", 0, 4294967295.0, 0, "regeneration mode");
    choice("epto.available", Switch, 0, "EPTO unit fitted");
    choice("epto.charging", Switch, 0, "EPTO charging");
    choice("epto.active", Switch, 0, "EPTO active");
    choice("epto.error", Switch, 0, "EPTO error");
    choice("epto.stop", Switch, 0, "EPTO stop pressed");
    choice("epto.hot", Switch, 0, "EPTO too hot");
    number("epto.battery", 0, 255, 80, "EPTO battery level, percent");
    choice("ipcamera", Switch, 0, "IP camera feature enabled");
    number("service.hours", 0, 1193046, 250, "operating hours to the next service");
    number("service.oil", 0, 1193046, 120, "operating hours to the next oil change");
    number("service.days", -24855, 24855, 90, "days to the next planned service");
    number("active.hours", 0, 1193046, 1234, "operating hours");
    number("clock", 0, 4294967295.0, 1717228800, "controller clock, seconds since 1970 (or a date like 2024-06-01T08:00)");
    number("driver.version", -1, 255, 3, "display driver version of the controller (-1: not reported)");
    number("serial", 0, 4294967295.0, 4711, "controller serial number");
    number("ui.generation", 0, 2, 2, "UI generation (0, 1, 2)");
    choice("controller.silent", Switch, 0, "controller sends nothing (switched off, bus lost)");
    number("radio.signal", 0, 255, 15, "radio signal strength (0: no signal)");
    choice("radio.cable", Switch, 0, "remote control on its cable");
    choice("radio.paired", Switch, 1, "remote control paired");
    number("battery", 0, 255, 12, "remote control battery level");
    return q;
}

QHash<QString, int> buildIndex()
{
    QHash<QString, int> index;
    const auto& q = CraneModel::quantities();
    for (int i = 0; i < q.size(); ++i)
        index.insert(q.at(i).name, i);
    return index;
}

unsigned int signed16(double x)
{
    const long r = std::lround(x);
    const long c = r < -32768 ? -32768 : (r > 32767 ? 32767 : r);
    return static_cast<unsigned int>(c) & 0xFFFFu;
}

unsigned int byteOf(double x)
{
    const long r = std::lround(x);
    return static_cast<unsigned int>(r < 0 ? 0 : (r > 255 ? 255 : r));
}

unsigned int floatBits(double x)
{
    const float f = static_cast<float>(x);
    unsigned int bits = 0;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}

unsigned int unsigned32(double x)
{
    if (!(x > 0))
        return 0;
    if (x >= 4294967295.0)
        return 0xFFFFFFFFu;
    return static_cast<unsigned int>(std::llround(x));
}

// Remaining strength for a load: full up to 90 %, none from 115 %.
double strengthFor(double load)
{
    if (load <= 90)
        return 100;
    if (load >= 115)
        return 0;
    return 100.0 * (115 - load) / 25.0;
}

constexpr unsigned int key(unsigned int index, unsigned char subIndex)
{
    return (index << 8) | subIndex;
}

} // namespace

const QVector<CraneModel::Quantity>& CraneModel::quantities()
{
    static const QVector<Quantity> table = buildQuantities();
    return table;
}

int CraneModel::find(const QString& name)
{
    static const QHash<QString, int> index = buildIndex();
    return index.value(name, -1);
}

CraneModel::CraneModel()
{
    const auto& q = quantities();
    m_values.reserve(q.size());
    for (const Quantity& quantity : q)
        m_values.append(quantity.initial);
}

bool CraneModel::parseValue(const QString& name, const QString& text, double& value, QString* error)
{
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    const int id = find(name);
    if (id < 0)
        return fail(QStringLiteral("unknown quantity \"%1\"").arg(name));
    const Quantity& q = quantities().at(id);
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("unknown")) {
        value = std::numeric_limits<double>::quiet_NaN();
        return true;
    }
    if (!q.names.isEmpty()) {
        int n = q.names.indexOf(t);
        if (q.names == Switch) {
            if (t == QLatin1String("true") || t == QLatin1String("yes"))
                n = 1;
            else if (t == QLatin1String("false") || t == QLatin1String("no"))
                n = 0;
        }
        if (n >= 0) {
            value = n;
            return true;
        }
    }
    bool ok = false;
    double x = t.toDouble(&ok);
    if (!ok && name == QLatin1String("clock")) {
        QDateTime when = QDateTime::fromString(text.trimmed(), Qt::ISODate);
        when.setTimeSpec(Qt::UTC);
        if (when.isValid()) {
            x = double(when.toSecsSinceEpoch());
            ok = true;
        }
    }
    if (!ok || !std::isfinite(x)) {
        if (!q.names.isEmpty())
            return fail(QStringLiteral("%1 takes %2, not \"%3\"").arg(name, q.names.join(QLatin1Char('|')), text));
        return fail(QStringLiteral("%1 takes a number, not \"%2\"").arg(name, text));
    }
    if (x < q.minimum || x > q.maximum)
        return fail(QStringLiteral("%1 must be between %2 and %3, not %4")
                        .arg(name, QString::number(q.minimum, 'g', 12), QString::number(q.maximum, 'g', 12), text));
    if (!q.names.isEmpty() && x != std::floor(x))
        return fail(QStringLiteral("%1 takes a whole number, not %2").arg(name, text));
    value = x;
    return true;
}

bool CraneModel::set(const QString& name, double value)
{
    const int id = find(name);
    if (id < 0)
        return false;
    const Quantity& q = quantities().at(id);
    if (!std::isnan(value)) {
        if (value < q.minimum)
            value = q.minimum;
        else if (value > q.maximum)
            value = q.maximum;
        if (!q.names.isEmpty())
            value = std::round(value);
    }
    m_values[id] = value;
    if (name == QLatin1String("clock"))
        m_clockFraction = 0;
    return true;
}

double CraneModel::get(const QString& name) const
{
    const int id = find(name);
    return id < 0 ? std::numeric_limits<double>::quiet_NaN() : v(id);
}

bool CraneModel::isKnown(const QString& name) const
{
    return !std::isnan(get(name));
}

double CraneModel::v(const char* name) const
{
    return get(QLatin1String(name));
}

void CraneModel::advance(int ms)
{
    if (ms <= 0)
        return;
    const int clock = find(QStringLiteral("clock"));
    if (!std::isnan(v(clock))) {
        m_clockFraction += ms / 1000.0;
        const double whole = std::floor(m_clockFraction);
        m_clockFraction -= whole;
        m_values[clock] = std::min(v(clock) + whole, quantities().at(clock).maximum);
    }
    const int time = find(QStringLiteral("override.time"));
    if (v("override") == 1 && v(time) > 0)
        m_values[time] = std::max(0.0, v(time) - ms / 1000.0);
}

double CraneModel::craneStrength() const
{
    return v("derate.auto") == 1 ? strengthFor(v("crane.load")) : v("crane.strength");
}

double CraneModel::flyjibStrength() const
{
    return v("derate.auto") == 1 ? strengthFor(v("flyjib.load")) : v("flyjib.strength");
}

double CraneModel::winchStrength() const
{
    return v("derate.auto") == 1 ? strengthFor(v("winch.load")) : v("winch.strength");
}

double CraneModel::hdlLevel() const
{
    if (v("derate.auto") != 1)
        return v("hdl.level");
    // The HDL limit closes in from 80 % crane load and is shut at 110 %.
    const double load = v("crane.load");
    if (load <= 80)
        return 100;
    if (load >= 110)
        return 0;
    return 100.0 * (110 - load) / 30.0;
}

unsigned int CraneModel::modeWord() const
{
    unsigned int w = 0;
    switch (static_cast<int>(v("mode"))) {
    case 1:
        w |= 1u << 2;
        break;
    case 2:
        w |= 1u << 1;
        break;
    case 3:
        w |= 1u << 0;
        break;
    case 4:
        w |= 1u << 8;
        break;
    default:
        break;
    }
    if (v("override") == 1)
        w |= 1u << 17;
    if (v("flyjib.available") == 1)
        w |= 1u << 20;
    if (v("winch.available") == 1)
        w |= 1u << 21;
    if (v("cbs") == 1)
        w |= 1u << 26;
    return w;
}

unsigned int CraneModel::blockedWord() const
{
    unsigned int w = 0;
    for (int bit = 0; bit < BlockBitCount; ++bit) {
        if (get(QStringLiteral("blocked.") + QLatin1String(BlockBits[bit])) == 1)
            w |= 1u << bit;
    }
    return w;
}

QVector<unsigned int> CraneModel::knownEntries()
{
    return {key(0x48E6, 0), key(0x48E7, 0), key(0x48EA, 0), key(0x47CB, 0), key(0x2C21, 0), key(0x1018, 4),
            key(0x48E5, 0), key(0x5FBE, 0), key(0x48EC, 0), key(0x27B3, 0), key(0x27B4, 0), key(0x27B8, 0),
            key(0x26A6, 0), key(0x23B0, 0), key(0x48E8, 0), key(0x48E9, 0), key(0x6014, 0), key(0x48F0, 0),
            key(0x4D08, 0), key(0x47CF, 0), key(0x48EB, 0), key(0x4B21, 0), key(0x4B22, 0), key(0x48C6, 0),
            key(0x4870, 0), key(0x4A41, 0), key(0x48C5, 0), key(0x2111, 1), key(0x448E, 0), key(0x488C, 0),
            key(0x4668, 0), key(0x466D, 0), key(0x5A00, 0), key(0x4871, 0), key(0x2148, 0), key(0x4360, 0),
            key(0x5A23, 0)};
}

bool CraneModel::entryValue(unsigned int index, unsigned char subIndex, unsigned int& value) const
{
    // An entry built from an unknown quantity is not sent.
    auto known = [this](std::initializer_list<const char*> names) {
        for (const char* n : names) {
            if (std::isnan(v(n)))
                return false;
        }
        return true;
    };
    const double driver = v("driver.version");
    switch (key(index, subIndex)) {
    case key(0x48E6, 0):
        if (!known({"crane.load", "flyjib.load", "winch.load", "evs.load"}))
            return false;
        value = byteOf(v("crane.load")) | byteOf(v("flyjib.load")) << 8 | byteOf(v("winch.load")) << 16
            | byteOf(v("evs.load")) << 24;
        return true;
    case key(0x48E7, 0): {
        const double c = craneStrength(), f = flyjibStrength(), w = winchStrength(), h = hdlLevel();
        if (std::isnan(c) || std::isnan(f) || std::isnan(w) || std::isnan(h))
            return false;
        value = byteOf(c) | byteOf(f) << 8 | byteOf(w) << 16 | byteOf(h) << 24;
        return true;
    }
    case key(0x48EA, 0):
        if (!known({"mode"}))
            return false;
        value = modeWord();
        return true;
    case key(0x47CB, 0):
        if (!known({"error", "error.alt", "buzzer"}))
            return false;
        value = (unsigned32(v("error")) & 0xFFFFu) | byteOf(v("buzzer")) << 16 | byteOf(v("error.alt")) << 24;
        return true;
    case key(0x2C21, 0):
        // Only an active override has a remaining time; units of 100 ms.
        if (!known({"override.time"}) || v("override") != 1)
            return false;
        value = unsigned32(std::ceil(v("override.time") * 10 - 1e-9));
        return true;
    case key(0x1018, 4):
        if (!known({"serial"}))
            return false;
        value = unsigned32(v("serial"));
        return true;
    case key(0x48E5, 0):
        if (std::isnan(driver) || driver < 0)
            return false;
        value = unsigned32(driver);
        return true;
    case key(0x5FBE, 0):
        if (!known({"mooring"}))
            return false;
        value = unsigned32(v("mooring"));
        return true;
    case key(0x48EC, 0):
        if (!known({"infocentre.top", "infocentre.bottom"}))
            return false;
        value = byteOf(v("infocentre.top")) | byteOf(v("infocentre.bottom")) << 8;
        return true;
    case key(0x27B3, 0):
        if (!known({"service.hours"}))
            return false;
        value = unsigned32(v("service.hours") * 3600);
        return true;
    case key(0x27B4, 0):
        if (!known({"service.oil"}))
            return false;
        value = unsigned32(v("service.oil") * 3600);
        return true;
    case key(0x27B8, 0):
        if (!known({"service.days"}))
            return false;
        value = static_cast<unsigned int>(static_cast<int>(std::lround(v("service.days") * 86400)));
        return true;
    case key(0x26A6, 0):
        if (!known({"active.hours"}))
            return false;
        value = unsigned32(v("active.hours") * 3600);
        return true;
    case key(0x23B0, 0):
        if (!known({"clock"}))
            return false;
        value = unsigned32(std::floor(v("clock")));
        return true;
    case key(0x48E8, 0):
        if (!known({"evs.x.deg", "evs.y.deg"}))
            return false;
        value = signed16(v("evs.x.deg") * 100) | signed16(v("evs.y.deg") * 100) << 16;
        return true;
    case key(0x48E9, 0):
        if (!known({"evs.x.pct", "evs.y.pct"}))
            return false;
        value = signed16(v("evs.x.pct")) | signed16(v("evs.y.pct")) << 16;
        return true;
    case key(0x6014, 0):
        // Newer controllers moved the calibration level to its own entry.
        if (!known({"evs.calibration"}) || std::isnan(driver) || driver <= 2)
            return false;
        value = unsigned32(v("evs.calibration"));
        return true;
    case key(0x48F0, 0):
        if (!known({"evs.calibration"}) || (!std::isnan(driver) && driver > 2))
            return false;
        value = unsigned32(v("evs.calibration"));
        return true;
    case key(0x4D08, 0):
        if (!known({"evs.available"}))
            return false;
        value = unsigned32(v("evs.available"));
        return true;
    case key(0x47CF, 0):
        if (!known({"evs3.code", "slm.load"}))
            return false;
        value = (unsigned32(v("evs3.code")) & 0xFFFFu) | (unsigned32(v("slm.load") * 10) & 0xFFFFu) << 16;
        return true;
    case key(0x48EB, 0):
        if (!known({"inclination.x", "inclination.y"}))
            return false;
        value = signed16(v("inclination.x") * 100) | signed16(v("inclination.y") * 100) << 16;
        return true;
    case key(0x4B21, 0):
    case key(0x4B22, 0): {
        const bool main = index == 0x4B21;
        const char* const* names = main ? StabFittedMain : StabFittedBack;
        const int count = main ? 5 : 4;
        value = 0;
        for (int bit = 0; bit < count; ++bit) {
            if (get(QStringLiteral("stab.fitted.") + QLatin1String(names[bit])) == 1)
                value |= 1u << bit;
        }
        return true;
    }
    case key(0x48C6, 0):
        value = 0;
        for (int bit = 0; bit < StabCount; ++bit) {
            if (get(QStringLiteral("stab.set.") + QLatin1String(StabSetBits[bit])) == 1)
                value |= 1u << bit;
        }
        return true;
    case key(0x4870, 0): {
        if (!known({"stab.side"}))
            return false;
        const int side = static_cast<int>(v("stab.side"));
        value = side == 0 ? 0xFFu : (side == 1 ? 0x01u : 0x00u);
        return true;
    }
    case key(0x4A41, 0):
        if (!known({"frontstab.available"}))
            return false;
        value = unsigned32(v("frontstab.available"));
        return true;
    case key(0x48C5, 0):
        if (!known({"frontstab.load"}) || v("frontstab.available") != 1)
            return false;
        value = floatBits(v("frontstab.load"));
        return true;
    case key(0x2111, 1):
        value = blockedWord();
        return true;
    case key(0x448E, 0):
        if (!known({"oil.available"}))
            return false;
        value = unsigned32(v("oil.available"));
        return true;
    case key(0x488C, 0):
        // Without a sensor there is no temperature to send.
        if (!known({"oil.temp"}) || v("oil.available") != 1)
            return false;
        value = floatBits(v("oil.temp"));
        return true;
    case key(0x4668, 0):
        if (!known({"regeneration.available"}))
            return false;
        value = unsigned32(v("regeneration.available"));
        return true;
    case key(0x466D, 0):
        if (!known({"regeneration.mode"}))
            return false;
        value = unsigned32(v("regeneration.mode"));
        return true;
    case key(0x5A00, 0):
        if (!known({"ipcamera"}))
            return false;
        value = unsigned32(v("ipcamera"));
        return true;
    case key(0x4871, 0):
        if (!known({"ui.generation"}))
            return false;
        value = unsigned32(v("ui.generation"));
        return true;
    case key(0x2148, 0):
        if (!known({"hook.weight"}))
            return false;
        value = floatBits(v("hook.weight"));
        return true;
    case key(0x4360, 0):
        if (!known({"winch.weight"}))
            return false;
        value = floatBits(v("winch.weight"));
        return true;
    case key(0x5A23, 0):
        if (!known({"epto.battery"}))
            return false;
        value = byteOf(v("epto.battery"));
        value |= (v("epto.available") == 1 ? 1u : 0u) << 8;
        value |= (v("epto.charging") == 1 ? 1u : 0u) << 9;
        value |= (v("epto.active") == 1 ? 1u : 0u) << 10;
        value |= (v("epto.error") == 1 ? 1u : 0u) << 11;
        value |= (v("epto.stop") == 1 ? 1u : 0u) << 12;
        value |= (v("epto.hot") == 1 ? 1u : 0u) << 13;
        return true;
    default:
        return false;
    }
}
