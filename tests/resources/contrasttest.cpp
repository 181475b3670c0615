// Symbols read against what they sit on: every part of an icon that covers a
// noticeable share of it stands out from its ground, and from the part it is
// drawn on, by at least 3:1 (relative luminance as for non-text contrast).
// Red, yellow and green parts keep their hue, and battery pictograms leave
// the level to the bars beside them.

#include <QColor>
#include <QDirIterator>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QVector>
#include <QtTest>

#include <algorithm>
#include <cmath>

namespace {

// Parts smaller than this share of the picture (anti-aliased edges, tail
// lights, rivets) are details, not what the symbol is recognised by.
constexpr double PartShare = 0.01;
constexpr double MinContrast = 3.0;

double channel(int v)
{
    const double c = v / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(QRgb c)
{
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QString name(QRgb c)
{
    return QColor(c).name();
}

// The picture as the operator sees it: a picture with its own tile (opaque
// everywhere but a margin) stands on that tile, its most common colour; one
// drawn on nothing stands on the white screen.
QImage onItsGround(const QImage& source, QRgb* ground)
{
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    const QRect inner = img.rect().adjusted(img.width() * 15 / 100, img.height() * 15 / 100,
                                            -img.width() * 15 / 100, -img.height() * 15 / 100);
    QHash<QRgb, int> count;
    bool tiled = true;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (qAlpha(p) == 255)
                ++count[p];
            else if (inner.contains(x, y))
                tiled = false;
        }
    }
    QRgb tile = qRgb(255, 255, 255);
    int most = 0;
    for (auto it = count.cbegin(); tiled && it != count.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            tile = it.key();
        }
    }
    *ground = tile;
    QImage out(img.size(), QImage::Format_RGB32);
    out.fill(tile);
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            const int a = qAlpha(p);
            out.setPixel(x, y,
                         qRgb((qRed(p) * a + qRed(tile) * (255 - a)) / 255, (qGreen(p) * a + qGreen(tile) * (255 - a)) / 255,
                              (qBlue(p) * a + qBlue(tile) * (255 - a)) / 255));
        }
    }
    return out;
}

// True when c lies on the line between a and b (within rounding of an edge).
bool isBlend(QRgb c, QRgb a, QRgb b)
{
    const double d[3] = {double(qRed(b) - qRed(a)), double(qGreen(b) - qGreen(a)), double(qBlue(b) - qBlue(a))};
    const double v[3] = {double(qRed(c) - qRed(a)), double(qGreen(c) - qGreen(a)), double(qBlue(c) - qBlue(a))};
    const double len = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
    if (len == 0)
        return false;
    const double t = std::clamp((v[0] * d[0] + v[1] * d[1] + v[2] * d[2]) / len, 0.0, 1.0);
    double off = 0;
    for (int k = 0; k < 3; ++k)
        off = std::max(off, std::abs(v[k] - t * d[k]));
    return off <= 12;
}

struct Finding {
    bool ok = true;
    QString text;
};

// Checks every pair of neighbouring parts (the ground counts as a part).
Finding checkPicture(const QImage& source)
{
    QRgb ground = 0;
    const QImage img = onItsGround(source, &ground);
    QHash<QRgb, int> count;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ++count[img.pixel(x, y) | 0xFF000000u];
    const int minPixels = std::max(4, int(img.width() * img.height() * PartShare));
    QVector<QPair<int, QRgb>> byCount;
    for (auto it = count.cbegin(); it != count.cend(); ++it)
        if (it.value() >= minPixels / 4)
            byCount.append(qMakePair(it.value(), it.key()));
    std::sort(byCount.begin(), byCount.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    // The most common colours first: a colour that lies between two colours
    // already found is their anti-aliased edge, not a part of its own. Thin
    // outlines count as colours here, so their edges are recognised too.
    QVector<QRgb> found {ground | 0xFF000000u};
    QSet<QRgb> parts {ground | 0xFF000000u};
    for (const auto& entry : byCount) {
        const QRgb c = entry.second;
        bool blend = found.contains(c);
        for (int i = 0; i < found.size() && !blend; ++i)
            for (int j = i + 1; j < found.size() && !blend; ++j)
                blend = isBlend(c, found.at(i), found.at(j));
        if (blend)
            continue;
        found.append(c);
        if (entry.first >= minPixels)
            parts.insert(c);
    }

    // Two parts touch when their pixels lie within a thin outline's width of
    // each other: a hairline around a dark body vanishes once the picture is
    // scaled down to a button or a bar, and the body then meets the ground.
    const int reach = std::max(2, img.width() / 25);
    QSet<QPair<QRgb, QRgb>> touching;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb a = img.pixel(x, y) | 0xFF000000u;
            if (!parts.contains(a))
                continue;
            for (int dy = -reach; dy <= reach; ++dy) {
                for (int dx = -reach; dx <= reach; ++dx) {
                    if (!img.valid(x + dx, y + dy))
                        continue;
                    const QRgb b = img.pixel(x + dx, y + dy) | 0xFF000000u;
                    if (b != a && parts.contains(b))
                        touching.insert(qMakePair(std::min(a, b), std::max(a, b)));
                }
            }
        }
    }
    // A part on the ground must stand out from the ground; a part drawn
    // inside another (letters on a sign) from what it is drawn on. Two parts
    // side by side on the ground each meet the ground, not each other.
    const QRgb g = ground | 0xFF000000u;
    QSet<QRgb> onGround;
    for (const auto& pair : touching) {
        if (pair.first == g)
            onGround.insert(pair.second);
        if (pair.second == g)
            onGround.insert(pair.first);
    }
    Finding f;
    for (const auto& pair : touching) {
        if (pair.first != g && pair.second != g && onGround.contains(pair.first) && onGround.contains(pair.second))
            continue;
        const double c = contrast(pair.first, pair.second);
        if (c < MinContrast) {
            f.ok = false;
            f.text += QStringLiteral(" %1 against %2: %3:1;").arg(name(pair.first), name(pair.second)).arg(c, 0, 'f', 2);
        }
    }
    return f;
}

} // namespace

class ContrastTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(nordel_resources); }

    void luminanceFollowsTheFormula()
    {
        QCOMPARE(contrast(qRgb(0, 0, 0), qRgb(255, 255, 255)), 21.0);
        QCOMPARE(contrast(qRgb(90, 90, 90), qRgb(90, 90, 90)), 1.0);
        // A known pair: mid grey on white is just under 4.5:1.
        QVERIFY(std::abs(contrast(qRgb(0x77, 0x77, 0x77), qRgb(255, 255, 255)) - 4.48) < 0.01);
    }

    void checkSeesWeakAndStrongSymbols()
    {
        // The check itself: a dark maroon disc on navy fails, a thin red ring
        // around it does not rescue the disc, a white disc passes.
        const auto disc = [](QRgb tile, QRgb fill, QRgb ring) {
            QImage img(60, 60, QImage::Format_ARGB32);
            img.fill(tile);
            for (int y = 0; y < 60; ++y) {
                for (int x = 0; x < 60; ++x) {
                    const double r = std::hypot(x - 30, y - 30);
                    if (r < 18)
                        img.setPixel(x, y, fill);
                    else if (r < 20)
                        img.setPixel(x, y, ring);
                }
            }
            return img;
        };
        const QRgb navy = qRgb(0x0B, 0x25, 0x35), maroon = qRgb(0x6A, 0x2C, 0x3A), red = qRgb(0xFF, 0x4D, 0x4D);
        QVERIFY(!checkPicture(disc(navy, maroon, maroon)).ok);
        QVERIFY(!checkPicture(disc(navy, maroon, red)).ok);
        QVERIFY(checkPicture(disc(navy, qRgb(255, 255, 255), qRgb(255, 255, 255))).ok);
        // Transparent around a yellow disc: it stands on the white screen.
        QImage yellow = disc(navy, qRgb(0xF9, 0xC0, 0x00), qRgb(0xF9, 0xC0, 0x00));
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x)
                if (yellow.pixel(x, y) == navy)
                    yellow.setPixel(x, y, qRgba(0, 0, 0, 0));
        QVERIFY(!checkPicture(yellow).ok);
    }

    void everyIconStandsOut_data()
    {
        QTest::addColumn<QString>("path");
        for (const char* dir : {":/GEN1", ":/GEN3", ":/infocenterIcons_Gen1", ":/infocenterIcons_Gen3",
                                ":/images/Logoes"}) {
            QDirIterator it(QString::fromLatin1(dir));
            QStringList files;
            while (it.hasNext())
                files << it.next();
            files.sort();
            for (const QString& f : files)
                QTest::newRow(qPrintable(f)) << f;
        }
        for (const char* f : {":/images/60_EPTO_BATTTERI_transparent.png", ":/images/60_EPTO_BATTTERI_transparent_ERR.png",
                              ":/images/60_EPTO_BATTTERI_transparent_HOT.png",
                              ":/images/60_EPTO_BATTTERI_transparent_STOP.png",
                              ":/images/60_EPTO_BATTTERI_transparent_CHARGING.png"})
            QTest::newRow(f) << QString::fromLatin1(f);
    }

    void everyIconStandsOut()
    {
        QFETCH(QString, path);
        const QImage img(path);
        QVERIFY2(!img.isNull(), "does not load");
        const Finding f = checkPicture(img);
        QVERIFY2(f.ok, qPrintable(f.text));
    }

    void batteryPictogramsLeaveTheLevelToTheirBars_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("opaqueBody");
        QTest::newRow("handheld") << QStringLiteral(":/images/Logoes/battery.png") << false;
        for (const char* f : {"", "_ERR", "_HOT", "_STOP", "_CHARGING"})
            QTest::newRow(f[0] ? f + 1 : "EPTO")
                << QStringLiteral(":/images/60_EPTO_BATTTERI_transparent%1.png").arg(QLatin1String(f)) << true;
    }

    void batteryPictogramsLeaveTheLevelToTheirBars()
    {
        // The bar beside each battery shows its level and colour; a fill of
        // the picture's own (green while the bar is red and low) contradicts
        // it. The EPTO body is opaque: its label turns green while active,
        // which through a hollow body would read as a full battery.
        QFETCH(QString, path);
        QFETCH(bool, opaqueBody);
        const QImage img = QImage(path).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!img.isNull());
        int green = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = QColor::fromRgba(img.pixel(x, y));
                if (c.alpha() > 128 && c.hsvSaturation() > 100 && c.hsvHue() >= 75 && c.hsvHue() <= 165)
                    ++green;
            }
        }
        QCOMPARE(green, 0);
        if (opaqueBody) {
            // Left of the centre, clear of the state marks drawn there.
            for (const QPoint p : {QPoint(5, 9), QPoint(8, 5), QPoint(8, 13), QPoint(27, 9)})
                QVERIFY2(qAlpha(img.pixel(p)) == 255, qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        }
    }

    void stopAndErrorReadAsRed_data()
    {
        QTest::addColumn<QString>("path");
        for (const char* gen : {":/GEN1/", ":/GEN3/"})
            for (const char* f : {"Stop.png", "Error.png", "OverrideableError.png"})
                QTest::newRow(qPrintable(QLatin1String(gen) + QLatin1String(f)))
                    << QLatin1String(gen) + QLatin1String(f);
    }

    void stopAndErrorReadAsRed()
    {
        // The largest red part is a full red, not a dark tint of it.
        QFETCH(QString, path);
        const QImage img = QImage(path).convertToFormat(QImage::Format_ARGB32);
        QHash<QRgb, int> count;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = QColor::fromRgba(img.pixel(x, y));
                const int hue = c.hsvHue();
                if (c.alpha() == 255 && c.hsvSaturation() > 100 && hue >= 0 && (hue <= 15 || hue >= 340))
                    ++count[c.rgb()];
            }
        }
        QRgb main = 0;
        int most = 0;
        for (auto it = count.cbegin(); it != count.cend(); ++it)
            if (it.value() > most)
                most = it.value(), main = it.key();
        QVERIFY2(most > img.width() * img.height() / 10, "hardly any red");
        QVERIFY2(QColor(main).value() >= 190, qPrintable(QColor(main).name()));
    }
};

QTEST_MAIN(ContrastTest)
#include "contrasttest.moc"
