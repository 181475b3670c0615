// The HDL arrows tell free, derated and blocked movements apart without their
// colour: for a red-green colour-blind operator (simulated deuteranopia and
// protanopia) and in greyscale the three pictures of every function still
// differ in a noticeable part of the arrow; and a light arrow keeps a dark
// rim against the white screen and the orange boom.

#include <QColor>
#include <QImage>
#include <QStringList>
#include <QtTest>

#include <algorithm>
#include <cmath>

namespace {

enum class Vision { Normal, Deuteranopia, Protanopia, Greyscale };

// Machado, Oliveira and Fernandes (2009), severity 1.0, on linear RGB.
const double Deutan[3][3] = {{0.367322, 0.860646, -0.227968},
                             {0.280085, 0.672501, 0.047413},
                             {-0.011820, 0.042940, 0.968881}};
const double Protan[3][3] = {{0.152286, 1.052583, -0.204868},
                             {0.114503, 0.786281, 0.099216},
                             {-0.003882, -0.048116, 1.051998}};

// Two pixels look different when their CIELAB (1976) difference is at least
// this: about ten just-noticeable differences (2.3 for large patches side by
// side), since an arrow is a few pixels wide, has no reference beside it and
// is read at a glance in sunlight. Colour alone then does not count where it
// is weak: green and red are 12.6 apart under deuteranopia and 14.4 in
// greyscale, green and yellow 21.9 in greyscale.
constexpr double Noticeable = 25.0;
// Share of the pixels drawn in either picture of a pair that must look
// different. Pictures that differ by colour only score 0 where the colours
// merge; the marks (hatching, the stop bar and the head it moves) score at
// least 0.22. 0.12 is a mark of about 5 x 5 pixels in the smallest labels
// (20 x 41), the size of a letter at the display's text size.
constexpr double MinApart = 0.12;
// Edge pixels of an arrow against what it is drawn on: non-text contrast.
constexpr double RimContrast = 3.0;

double linear(int v)
{
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

struct Lab {
    double L, a, b;
};

double labF(double t)
{
    return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16.0) / 116.0;
}

// The colour as the viewer sees it, in CIELAB (D65).
Lab seen(QRgb c, Vision v)
{
    double rgb[3] = {linear(qRed(c)), linear(qGreen(c)), linear(qBlue(c))};
    if (v == Vision::Deuteranopia || v == Vision::Protanopia) {
        const double(*m)[3] = v == Vision::Deuteranopia ? Deutan : Protan;
        double out[3];
        for (int i = 0; i < 3; ++i)
            out[i] = std::clamp(m[i][0] * rgb[0] + m[i][1] * rgb[1] + m[i][2] * rgb[2], 0.0, 1.0);
        std::copy(out, out + 3, rgb);
    } else if (v == Vision::Greyscale) {
        const double y = 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
        rgb[0] = rgb[1] = rgb[2] = y;
    }
    const double x = (0.4124 * rgb[0] + 0.3576 * rgb[1] + 0.1805 * rgb[2]) / 0.95047;
    const double y = 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
    const double z = (0.0193 * rgb[0] + 0.1192 * rgb[1] + 0.9505 * rgb[2]) / 1.08883;
    return {116.0 * labF(y) - 16.0, 500.0 * (labF(x) - labF(y)), 200.0 * (labF(y) - labF(z))};
}

double deltaE(const Lab& p, const Lab& q)
{
    return std::hypot(p.L - q.L, p.a - q.a, p.b - q.b);
}

double relativeLuminance(QRgb c)
{
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

double contrast(QRgb a, QRgb b)
{
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QRgb over(QRgb p, QRgb ground)
{
    const int a = qAlpha(p);
    const auto mix = [a](int f, int g) { return (f * a + g * (255 - a)) / 255; };
    return qRgb(mix(qRed(p), qRed(ground)), mix(qGreen(p), qGreen(ground)), mix(qBlue(p), qBlue(ground)));
}

// Share of the pixels drawn in either picture that look different, both
// seen on the white screen.
double apart(const QImage& first, const QImage& second, Vision v)
{
    const QImage a = first.convertToFormat(QImage::Format_ARGB32);
    const QImage b = second.convertToFormat(QImage::Format_ARGB32);
    const QRgb white = qRgb(255, 255, 255);
    int drawn = 0, different = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (qAlpha(p) < 128 && qAlpha(q) < 128)
                continue;
            ++drawn;
            if (deltaE(seen(over(p, white), v), seen(over(q, white), v)) >= Noticeable)
                ++different;
        }
    }
    return drawn ? double(different) / drawn : 0.0;
}

QImage disc(QRgb colour)
{
    QImage img(30, 30, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            if (std::hypot(x - 14.5, y - 14.5) < 12)
                img.setPixel(x, y, colour);
    return img;
}

const char* const StandardArrows[] = {"ArrowJoint1up",   "ArrowJoint1down",   "ArrowJoint2up",
                                      "ArrowJoint2down", "ArrowJoint3up",     "ArrowJoint3down",
                                      "ArrowJoint4expand", "ArrowJoint4compress"};
const char* const FlyjibOnlyArrows[] = {"ArrowJoint5up", "ArrowJoint5down", "ArrowJoint6expand",
                                        "ArrowJoint6compress"};

// Every arrow picture's path without its state word.
QStringList arrowStems()
{
    QStringList stems;
    for (const char* folder : {":/images/hdl/standard/", ":/images/hdl/withFlyjib/"}) {
        for (const char* name : StandardArrows)
            stems << QLatin1String(folder) + QLatin1String(name);
    }
    for (const char* name : FlyjibOnlyArrows)
        stems << QStringLiteral(":/images/hdl/withFlyjib/") + QLatin1String(name);
    return stems;
}

} // namespace

class ColourVisionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(nordel_resources); }

    void theMeasureSeesWhatColourBlindnessHides()
    {
        // Plain discs in the state colours: free and blocked are far apart for
        // normal vision, not at all for a deuteranope or in greyscale (a
        // protanope sees the red darker); free and derated not in greyscale.
        const QImage green = disc(qRgb(0x2E, 0xB0, 0x3E)), yellow = disc(qRgb(0xFF, 0xD0, 0x00)),
                     red = disc(qRgb(0xE0, 0x28, 0x28));
        QCOMPARE(apart(green, red, Vision::Normal), 1.0);
        QCOMPARE(apart(green, red, Vision::Deuteranopia), 0.0);
        QCOMPARE(apart(green, red, Vision::Protanopia), 1.0);
        QCOMPARE(apart(green, red, Vision::Greyscale), 0.0);
        QCOMPARE(apart(green, yellow, Vision::Greyscale), 0.0);
        // Simulation keeps what it cannot confuse: white stays white, and
        // black and white stay 100 apart.
        QVERIFY(deltaE(seen(qRgb(255, 255, 255), Vision::Deuteranopia), seen(qRgb(255, 255, 255), Vision::Normal)) < 0.5);
        QVERIFY(std::abs(deltaE(seen(qRgb(0, 0, 0), Vision::Protanopia), seen(qRgb(255, 255, 255), Vision::Protanopia)) - 100) < 0.5);
    }

    void statesStayApartWithoutColour_data()
    {
        QTest::addColumn<QString>("stem");
        QTest::addColumn<int>("vision");
        const std::pair<const char*, Vision> visions[] = {{"normal", Vision::Normal},
                                                          {"deuteranopia", Vision::Deuteranopia},
                                                          {"protanopia", Vision::Protanopia},
                                                          {"greyscale", Vision::Greyscale}};
        for (const QString& stem : arrowStems())
            for (const auto& v : visions)
                QTest::newRow(qPrintable(stem.mid(13) + QLatin1Char(' ') + QLatin1String(v.first)))
                    << stem << int(v.second);
    }

    void statesStayApartWithoutColour()
    {
        QFETCH(QString, stem);
        QFETCH(int, vision);
        const char* const states[] = {"Green", "Yellow", "Red"};
        QImage pictures[3];
        for (int i = 0; i < 3; ++i) {
            pictures[i] = QImage(stem + QLatin1String(states[i]) + QStringLiteral(".png"));
            QVERIFY2(!pictures[i].isNull(), states[i]);
        }
        for (int i = 0; i < 3; ++i) {
            for (int j = i + 1; j < 3; ++j) {
                const double share = apart(pictures[i], pictures[j], Vision(vision));
                QVERIFY2(share >= MinApart, qPrintable(QStringLiteral("%1 and %2: %3 % apart")
                                                           .arg(QLatin1String(states[i]), QLatin1String(states[j]))
                                                           .arg(share * 100, 0, 'f', 1)));
            }
        }
    }

    void lightArrowsHaveADarkRim_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString& stem : arrowStems())
            QTest::newRow(qPrintable(stem.mid(13))) << stem + QStringLiteral("Yellow.png");
    }

    void lightArrowsHaveADarkRim()
    {
        // Within two pixels of the outside, the arrow stands out from the
        // white screen and from the boom's orange it may lie on: a hairline
        // outline blends into the body once anti-aliased and does not.
        QFETCH(QString, path);
        const QImage img = QImage(path).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!img.isNull());
        const auto outside = [&img](int x, int y) { return !img.valid(x, y) || qAlpha(img.pixel(x, y)) < 128; };
        const QRgb grounds[] = {qRgb(255, 255, 255), qRgb(0xF2, 0xA9, 0x00)};
        int rim = 0, weak = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                if (outside(x, y))
                    continue;
                bool nearOutside = false;
                for (int dy = -2; dy <= 2 && !nearOutside; ++dy)
                    for (int dx = -2; dx <= 2 && !nearOutside; ++dx)
                        nearOutside = outside(x + dx, y + dy);
                if (!nearOutside)
                    continue;
                ++rim;
                for (const QRgb g : grounds) {
                    if (contrast(over(img.pixel(x, y), g), g) < RimContrast) {
                        ++weak;
                        break;
                    }
                }
            }
        }
        QVERIFY2(rim > 10, "no rim found");
        // Anti-aliased corners and hatch ends may be lighter; a hairline
        // outline leaves about 40 % of this band light.
        QVERIFY2(weak * 10 <= rim, qPrintable(QStringLiteral("%1 of %2 rim pixels are weak").arg(weak).arg(rim)));
    }
};

QTEST_GUILESS_MAIN(ColourVisionTest)
#include "colourvisiontest.moc"
