// Every picture the display loads is compiled in, decodes, and has the size
// its widget relies on (unscaled labels, fixed label rectangles, square
// icons that are scaled with their aspect ratio kept).

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSize>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>
#include <QtTest>

namespace {

const char* const kGenerationIcons[] = {
    "Crane.png",    "CraneLoad.png", "Error.png", "EVS_X.png",  "EVS_Y.png",         "EVS.png",
    "FlyjibLoad.png", "HDL.png",     "Override.png", "Sleep.png", "Stab.png",        "Stop.png",
    "EVS_CALIB.png", "OverrideableError.png", "frontStabLoad.png"};

// Info-centre icon file per controller icon number 0 to 52.
const char* const kInfoCentre[53] = {
    "00_BLANK.bmp",      "22_CRANE.bmp",      "21_FLYJIB.bmp",     "20_WINCH.bmp",      "20_WINCH.bmp",
    "20_WINCH.bmp",      "15_EVS_X.bmp",      "16_EVS_Y.bmp",      "15_EVS_X.bmp",      "16_EVS_Y.bmp",
    "23_TEMP.bmp",       "00_BLANK.bmp",      "19_CRHOOK.bmp",     "19_CRHOOK.bmp",     "24_HDL.bmp",
    "07_SERVICE.bmp",    "08_OVERRIDE.bmp",   "03_BATTERI.bmp",    "38_REGEN.bmp",      "22_CRANE.bmp",
    "07_SERVICE.bmp",    "19_CRHOOK.bmp",     "19_CRHOOK.bmp",     "00_BLANK.bmp",      "41_EXT.bmp",
    "29_CREW.bmp",       "00_BLANK.bmp",      "25_SLEW.bmp",       "18_EVS_CALI.bmp",   "18_EVS_CALI.bmp",
    "10_STAB_DOWN.bmp",  "34_STB_LEFT.bmp",   "33_STB_RIGHT.bmp",  "36_STB_NOLEFT.bmp", "27_WINCH_DRAG.bmp",
    "26_WINCH_EASE.bmp", "05_SLEEP.bmp",      "39_VERT.bmp",       "09_STAB_OUT.bmp",   "10_STAB_DOWN.bmp",
    "11_STAB.bmp",       "12_EVS_ERR.bmp",    "28_WINCH_TELE.bmp", "30_BOOM_HS.bmp",    "31_POIUNTER.bmp",
    "32_VALUE.bmp",      "37_CIO_ERR.bmp",    "40_WINCH_PARK.bmp", "17_EVS_SLEW.bmp",   "61_EXTRA_ERROR.bmp",
    "49_STOP.bmp",       "62_MOORING_OFF.bmp", "63_FRONT_STAB_DOWN.bmp"};

struct ArrowLabel {
    const char* name;
    QSize size;
};

const ArrowLabel kStandardArrows[] = {
    {"ArrowJoint1up", {61, 31}},     {"ArrowJoint1down", {51, 21}},    {"ArrowJoint2up", {31, 51}},
    {"ArrowJoint2down", {31, 41}},   {"ArrowJoint3up", {21, 51}},      {"ArrowJoint3down", {31, 51}},
    {"ArrowJoint4expand", {81, 41}}, {"ArrowJoint4compress", {91, 41}}};

const ArrowLabel kFlyjibArrows[] = {
    {"ArrowJoint1up", {61, 31}},     {"ArrowJoint1down", {51, 21}},     {"ArrowJoint2up", {31, 41}},
    {"ArrowJoint2down", {31, 41}},   {"ArrowJoint3up", {20, 41}},       {"ArrowJoint3down", {20, 41}},
    {"ArrowJoint4expand", {41, 21}}, {"ArrowJoint4compress", {41, 21}}, {"ArrowJoint5up", {21, 51}},
    {"ArrowJoint5down", {21, 61}},   {"ArrowJoint6expand", {41, 31}},   {"ArrowJoint6compress", {41, 31}}};

const char* const kArrowColours[] = {"Green", "Yellow", "Red", "Blue"};

// Share of pixels that differ from the top-left pixel: a picture that shows
// nothing has none.
double inkShare(const QImage& img)
{
    const QImage i = img.convertToFormat(QImage::Format_ARGB32);
    const QRgb ground = i.pixel(0, 0);
    int differing = 0;
    for (int y = 0; y < i.height(); ++y)
        for (int x = 0; x < i.width(); ++x)
            if (i.pixel(x, y) != ground)
                ++differing;
    return double(differing) / (i.width() * i.height());
}

// Share of pixels whose colour differs noticeably between two same-size pictures.
double differingShare(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    int differing = 0;
    for (int r = 0; r < x.height(); ++r) {
        for (int c = 0; c < x.width(); ++c) {
            const QRgb p = x.pixel(c, r), q = y.pixel(c, r);
            if (qAbs(qRed(p) - qRed(q)) > 40 || qAbs(qGreen(p) - qGreen(q)) > 40 || qAbs(qBlue(p) - qBlue(q)) > 40
                || qAbs(qAlpha(p) - qAlpha(q)) > 40)
                ++differing;
        }
    }
    return double(differing) / (x.width() * x.height());
}

// True when some pixel within radius of centre is drawn (not transparent).
bool drawnNear(const QImage& img, QPointF centre, int radius)
{
    for (int y = int(centre.y()) - radius; y <= int(centre.y()) + radius; ++y)
        for (int x = int(centre.x()) - radius; x <= int(centre.x()) + radius; ++x)
            if (img.valid(x, y) && qAlpha(img.pixel(x, y)) > 200)
                return true;
    return false;
}

// Lowest row with a drawn pixel, or -1.
int lowestDrawnRow(const QImage& img)
{
    const QImage i = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = i.height() - 1; y >= 0; --y)
        for (int x = 0; x < i.width(); ++x)
            if (qAlpha(i.pixel(x, y)) > 200)
                return y;
    return -1;
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void picturesLoad_data();
    void picturesLoad();
    void generationSetsLookDifferent();
    void infoCentreIconsAreBitmapsForEveryNumber();
    void hdlArrowsFillTheirLabels();
    void hdlArrowColoursMatchTheirNames();
    void hdlArrowsSitOnTheCrane();
    void stabiliserLampsSitOnTheTruck();
    void symbolsOfASetAreDistinct();
    void bubbleLevelRingsMeetTheirLabels();
    void trucksStandOnTheFloor();
    void generatorReproducesTheCompiledPictures();
};

void PicturesTest::initTestCase()
{
    Q_INIT_RESOURCE(nordel_resources);
}

void PicturesTest::picturesLoad_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size"); // invalid: any size
    QTest::addColumn<bool>("square");

    const auto row = [](const QString& path, QSize size = QSize(), bool square = false) {
        QTest::newRow(qPrintable(path)) << path << size << square;
    };
    const QSize any;
    // Pictures whose size the screens fix: unscaled labels and named sizes.
    row(QStringLiteral(":/images/Lastbil_forfra_100x100.png"), QSize(100, 100));
    row(QStringLiteral(":/images/truck-side_226x100.png"), QSize(226, 100));
    row(QStringLiteral(":/images/floor.png"), QSize(381, 131));
    row(QStringLiteral(":/images/stab/TruckSide.png"), QSize(280, 296));
    row(QStringLiteral(":/images/stab/TruckSideBack.png"), QSize(280, 296));
    row(QStringLiteral(":/images/hdl/standard/crane.png"), QSize(281, 161));
    row(QStringLiteral(":/images/hdl/withFlyjib/craneWithFlyjib.png"), QSize(331, 141));
    row(QStringLiteral(":/images/hdl/regen.png"), QSize(36, 36));
    for (const char* f : {"HDL_50x50.png", "EVS_50x50.png", "OIL_50x50.png", "Overview_50x50.png", "Camera_50x50.png",
                          "no_signal_50x50.png", "wired_50x50.png"})
        row(QStringLiteral(":/images/Logoes/") + QLatin1String(f), QSize(50, 50));
    row(QStringLiteral(":/images/Logoes/no_signal_135x135.png"), QSize(135, 135));
    // Scaled with their aspect ratio kept into square slots.
    for (const char* f : {"CraneLogo_light.png", "warning.png", "Error.png", "EVS_X.png", "EVS_Y.png", "OIL2.png",
                          "MooringAuto.png", "MooringLocked.png", "CBS.png", "settings.png", "info.png", "signal.png",
                          "battery.png", "sync.png", "ROVA7_white.png", "Display_White.png", "Speed.PNG",
                          "WinchLoad.png", "strength.png"})
        row(QStringLiteral(":/images/Logoes/") + QLatin1String(f), any, true);
    for (const char* f : {"arrow_up.png", "arrow_down.png", "arrow_upAndDown.png", "select.png", "plus1hour.png",
                          "plus1min.png", "error_white.png", "lightBulb.png"})
        row(QStringLiteral(":/images/") + QLatin1String(f), any, true);
    for (const char* f : {"bg", "bubble", "lines"})
        row(QStringLiteral(":/images/bubbleLevel/bubbleLevel_") + QLatin1String(f) + QStringLiteral(".png"), any, true);
    for (const char* f : {"Blue", "Gray", "Green", "Red", "Yellow"})
        row(QStringLiteral(":/images/colorIndicator/circle") + QLatin1String(f) + QStringLiteral(".png"), any, true);
    for (const char* f : {"green", "grey", "red", "yellow"}) {
        row(QStringLiteral(":/images/arrows/arrow_") + QLatin1String(f) + QStringLiteral(".png"), any, true);
        row(QStringLiteral(":/images/arrows/twoWayArrow_") + QLatin1String(f) + QStringLiteral(".png"), any, true);
    }
    for (const char* f : {"60_EPTO_BATTTERI_transparent.png", "60_EPTO_BATTTERI_transparent_ERR.png",
                          "60_EPTO_BATTTERI_transparent_HOT.png", "60_EPTO_BATTTERI_transparent_STOP.png",
                          "60_EPTO_BATTTERI_transparent_CHARGING.png"})
        row(QStringLiteral(":/images/") + QLatin1String(f));
    row(QStringLiteral(":/images/nordel_logo.jpg"));
    for (const char* gen : {":/GEN1/", ":/GEN3/"})
        for (const char* f : kGenerationIcons)
            row(QLatin1String(gen) + QLatin1String(f), any, true);
}

void PicturesTest::picturesLoad()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(bool, square);

    QVERIFY2(QFile::exists(path), "not compiled in");
    const QImage img(path);
    QVERIFY2(!img.isNull(), "does not decode");
    if (size.isValid())
        QCOMPARE(img.size(), size);
    if (square)
        QCOMPARE(img.width(), img.height());
    QVERIFY2(inkShare(img) > 0.02, "shows nothing");

    // Shown unscaled in the 21-pixel status bar, and inline with 15-pixel text.
    if (path.contains(QLatin1String("EPTO")))
        QVERIFY(img.height() <= 18 && img.width() >= 30);
    if (path.endsWith(QLatin1String("lightBulb.png")))
        QVERIFY(img.height() <= 20);
}

void PicturesTest::generationSetsLookDifferent()
{
    for (const char* f : kGenerationIcons) {
        const QImage one(QStringLiteral(":/GEN1/") + QLatin1String(f));
        const QImage three(QStringLiteral(":/GEN3/") + QLatin1String(f));
        QVERIFY2(!one.isNull() && !three.isNull(), f);
        QCOMPARE(one.size(), three.size());
        QVERIFY2(differingShare(one, three) > 0.25, f);
    }
}

void PicturesTest::infoCentreIconsAreBitmapsForEveryNumber()
{
    for (const char* dir : {":/infocenterIcons_Gen1/", ":/infocenterIcons_Gen3/"}) {
        QSize first;
        for (int n = 0; n < 53; ++n) {
            const QString path = QLatin1String(dir) + QLatin1String(kInfoCentre[n]);
            const QString what = path + QStringLiteral(" (icon ") + QString::number(n) + QLatin1Char(')');
            QImageReader reader(path);
            QVERIFY2(reader.canRead(), qPrintable(what));
            QCOMPARE(reader.format(), QByteArray("bmp"));
            const QImage img = reader.read();
            QVERIFY2(!img.isNull(), qPrintable(what));
            if (!first.isValid())
                first = img.size();
            QCOMPARE(img.size(), first); // one size, so the status bar row stays even
            QCOMPARE(img.width(), img.height());
            if (QLatin1String(kInfoCentre[n]) != QLatin1String("00_BLANK.bmp"))
                QVERIFY2(inkShare(img) > 0.1, qPrintable(what + QStringLiteral(" shows nothing")));
        }
    }
    // Generation 1 and 3 differ for the same symbol.
    const QImage a(QStringLiteral(":/infocenterIcons_Gen1/22_CRANE.bmp"));
    const QImage b(QStringLiteral(":/infocenterIcons_Gen3/22_CRANE.bmp"));
    QVERIFY(differingShare(a, b) > 0.25);
}

void PicturesTest::hdlArrowsFillTheirLabels()
{
    // Arrow labels do not scale their picture, so each picture must be exactly
    // the label's rectangle or the arrow would drift off its joint.
    const auto check = [](const QString& folder, const ArrowLabel* labels, int count) -> QString {
        for (int i = 0; i < count; ++i) {
            for (const char* colour : kArrowColours) {
                const QString path = folder + QLatin1String(labels[i].name) + QLatin1String(colour) + QStringLiteral(".png");
                const QImage img(path);
                if (img.isNull())
                    return path + QStringLiteral(" missing");
                if (img.size() != labels[i].size)
                    return path + QStringLiteral(" has the wrong size");
                if (inkShare(img) < 0.1)
                    return path + QStringLiteral(" shows no arrow");
            }
        }
        return QString();
    };
    QString fault = check(QStringLiteral(":/images/hdl/standard/"), kStandardArrows, 8);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    fault = check(QStringLiteral(":/images/hdl/withFlyjib/"), kFlyjibArrows, 12);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));

    // The colour word is what tells the states apart.
    const QImage green(QStringLiteral(":/images/hdl/standard/ArrowJoint1upGreen.png"));
    const QImage red(QStringLiteral(":/images/hdl/standard/ArrowJoint1upRed.png"));
    QVERIFY(differingShare(green, red) > 0.1);
}

void PicturesTest::hdlArrowColoursMatchTheirNames()
{
    for (const char* colour : kArrowColours) {
        const QImage img = QImage(QStringLiteral(":/images/hdl/withFlyjib/ArrowJoint5down") + QLatin1String(colour)
                                  + QStringLiteral(".png"))
                               .convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!img.isNull());
        // Mean colour of the arrow's opaque inside.
        qint64 r = 0, g = 0, b = 0, n = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                const QRgb p = img.pixel(x, y);
                if (qAlpha(p) < 250 || qMax(qRed(p), qMax(qGreen(p), qBlue(p))) < 90)
                    continue; // edge or outline
                r += qRed(p);
                g += qGreen(p);
                b += qBlue(p);
                ++n;
            }
        }
        QVERIFY2(n > 20, colour);
        r /= n;
        g /= n;
        b /= n;
        const QString word = QLatin1String(colour);
        if (word == QLatin1String("Green"))
            QVERIFY2(g > r + 50 && g > b + 50, colour);
        else if (word == QLatin1String("Red"))
            QVERIFY2(r > g + 80 && r > b + 80, colour);
        else if (word == QLatin1String("Blue"))
            QVERIFY2(b > r + 80 && b > g + 30, colour);
        else
            QVERIFY2(r > b + 80 && g > b + 80, colour);
    }
}

void PicturesTest::hdlArrowsSitOnTheCrane()
{
    // Each arrow's rectangle (in the model widget) must touch or border the
    // crane picture at its label position, otherwise it points at nothing.
    struct Model {
        QString picture;
        QPoint at;
        const ArrowLabel* labels;
        const QPoint* positions;
        int count;
    };
    static const QPoint standard[] = {{21, 130}, {93, 120}, {70, 10}, {100, 80}, {190, 0}, {175, 70}, {280, 50}, {205, 28}};
    static const QPoint flyjib[] = {{5, 137},  {80, 127}, {70, 22},  {105, 84}, {140, 7},  {158, 72},
                                    {210, 15}, {170, 27}, {290, 7},  {270, 77}, {340, 50}, {302, 33}};
    const Model models[] = {
        {QStringLiteral(":/images/hdl/standard/crane.png"), {50, 11}, kStandardArrows, standard, 8},
        {QStringLiteral(":/images/hdl/withFlyjib/craneWithFlyjib.png"), {30, 37}, kFlyjibArrows, flyjib, 12}};
    for (const Model& m : models) {
        QImage scene(382, 182, QImage::Format_ARGB32);
        scene.fill(Qt::transparent);
        const QImage crane = QImage(m.picture).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!crane.isNull());
        for (int y = 0; y < crane.height(); ++y)
            for (int x = 0; x < crane.width(); ++x)
                if (scene.valid(x + m.at.x(), y + m.at.y()))
                    scene.setPixel(x + m.at.x(), y + m.at.y(), crane.pixel(x, y));
        for (int i = 0; i < m.count; ++i) {
            const QRect r(m.positions[i], m.labels[i].size);
            const int reach = 10;
            bool near = false;
            for (int y = r.top() - reach; y <= r.bottom() + reach && !near; ++y)
                for (int x = r.left() - reach; x <= r.right() + reach && !near; ++x)
                    near = scene.valid(x, y) && qAlpha(scene.pixel(x, y)) > 200;
            QVERIFY2(near, qPrintable(m.picture + QLatin1Char(' ') + QLatin1String(m.labels[i].name)));
        }
    }
}

void PicturesTest::stabiliserLampsSitOnTheTruck()
{
    // Lamp top-left corners as fractions of the picture; lamps are a tenth
    // of the picture's height square.
    struct Lamp {
        double fx, fy;
        bool backOnly;
    };
    const Lamp lamps[] = {{0.43, 0.0, false},  {0.04, 0.34, false}, {0.18, 0.21, false},
                          {0.83, 0.34, false}, {0.67, 0.205, false}, {0.0, 0.86, true},
                          {0.15, 0.77, true},  {0.9, 0.86, true},    {0.75, 0.77, true}};
    for (const char* file : {"TruckSide.png", "TruckSideBack.png"}) {
        const bool back = QLatin1String(file) == QLatin1String("TruckSideBack.png");
        const QImage img = QImage(QStringLiteral(":/images/stab/") + QLatin1String(file)).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!img.isNull());
        const double half = img.height() * 0.05;
        for (const Lamp& l : lamps) {
            const QPointF centre(img.width() * l.fx + half, img.height() * l.fy + half);
            if (l.backOnly && !back) {
                // Without back stabilisers nothing is drawn where their feet would be.
                if (l.fy > 0.8)
                    QVERIFY2(!drawnNear(img, centre, 6), file);
                continue;
            }
            QVERIFY2(drawnNear(img, centre, 8), qPrintable(QLatin1String(file) + QStringLiteral(" lamp at ")
                                                             + QString::number(l.fx) + QLatin1Char(',')
                                                             + QString::number(l.fy)));
        }
    }
}

void PicturesTest::symbolsOfASetAreDistinct()
{
    // Two different names drawn alike would leave the operator guessing.
    const auto distinct = [](const QStringList& paths) -> QString {
        QVector<QImage> images;
        for (const QString& p : paths)
            images.append(QImage(p));
        for (int a = 0; a < images.size(); ++a)
            for (int b = a + 1; b < images.size(); ++b)
                if (images[a].size() == images[b].size() && differingShare(images[a], images[b]) < 0.03)
                    return paths[a] + QStringLiteral(" looks like ") + paths[b];
        return QString();
    };
    for (const char* dir : {":/infocenterIcons_Gen1/", ":/infocenterIcons_Gen3/"}) {
        QStringList paths;
        for (const char* f : kInfoCentre) {
            const QString p = QLatin1String(dir) + QLatin1String(f);
            if (!paths.contains(p))
                paths.append(p);
        }
        const QString fault = distinct(paths);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
    for (const char* dir : {":/GEN1/", ":/GEN3/"}) {
        QStringList paths;
        for (const char* f : kGenerationIcons)
            paths.append(QLatin1String(dir) + QLatin1String(f));
        const QString fault = distinct(paths);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        // The load icons stand 22 pixels high beside their bars.
        const auto small = [&](const char* f) {
            return QImage(QLatin1String(dir) + QLatin1String(f))
                .scaled(22, 22, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        };
        QVERIFY2(differingShare(small("CraneLoad.png"), small("FlyjibLoad.png")) > 0.13, dir);
    }
}

void PicturesTest::bubbleLevelRingsMeetTheirLabels()
{
    // The level puts its 25, 50 and 75 % labels an eighth, a quarter and three
    // eighths of the dial size below the centre: the rings must pass there.
    const QImage lines = QImage(QStringLiteral(":/images/bubbleLevel/bubbleLevel_lines.png")).convertToFormat(QImage::Format_ARGB32);
    const QImage dial(QStringLiteral(":/images/bubbleLevel/bubbleLevel_bg.png"));
    QCOMPARE(lines.size(), dial.size());
    const int s = lines.width();
    for (int k = 1; k <= 3; ++k) {
        const QPointF onRing(s / 2.0 + 6, s / 2.0 + s * k / 8.0);
        // Look a little to the side of the vertical centre line, which is drawn too.
        const QPointF beside(s / 2.0 + s * k / 8.0, s / 2.0);
        QVERIFY2(drawnNear(lines, onRing, 2) && drawnNear(lines, beside, 2), qPrintable(QString::number(k)));
    }
    // Between the rings the dial shows through.
    QVERIFY(!drawnNear(lines, QPointF(s / 2.0 + s * 3 / 16.0, s / 2.0 + 6), 2));
}

void PicturesTest::trucksStandOnTheFloor()
{
    // Frame of the EVS view: the floor label at y 80 and the truck labels at
    // y 30 (141 high) and y 0 (200 high) centre their pictures; upright trucks
    // must stand on the floor's top line.
    const QImage floor(QStringLiteral(":/images/floor.png"));
    const QImage front(QStringLiteral(":/images/Lastbil_forfra_100x100.png"));
    const QImage side(QStringLiteral(":/images/truck-side_226x100.png"));
    QVERIFY(!floor.isNull() && !front.isNull() && !side.isNull());
    const QImage f = floor.convertToFormat(QImage::Format_ARGB32);
    int floorTop = -1;
    for (int y = 0; y < f.height() && floorTop < 0; ++y)
        if (qAlpha(f.pixel(f.width() / 2, y)) > 200)
            floorTop = y;
    QVERIFY(floorTop >= 0);
    const int groundY = 80 + floorTop;
    const int frontFoot = 30 + (141 - front.height()) / 2 + lowestDrawnRow(front);
    const int sideFoot = 0 + (200 - side.height()) / 2 + lowestDrawnRow(side);
    QVERIFY2(qAbs(frontFoot - groundY) <= 3, qPrintable(QString::number(frontFoot) + QLatin1Char('/') + QString::number(groundY)));
    QVERIFY2(qAbs(sideFoot - groundY) <= 3, qPrintable(QString::number(sideFoot) + QLatin1Char('/') + QString::number(groundY)));
}

void PicturesTest::generatorReproducesTheCompiledPictures()
{
    const QString binaryDir = QProcessEnvironment::systemEnvironment().value(QStringLiteral("NORDEL_BINARY_DIR"));
    const QString tool = binaryDir + QStringLiteral("/tools/assetgen/assetgen");
    if (binaryDir.isEmpty() || !QFileInfo(tool).isExecutable())
        QSKIP("picture generator not built");

    QTemporaryDir out;
    QVERIFY(out.isValid());
    QProcess gen;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    gen.setProcessEnvironment(env);
    gen.start(tool, {out.path()});
    QVERIFY(gen.waitForFinished(120000));
    QCOMPARE(gen.exitStatus(), QProcess::NormalExit);
    QCOMPARE(gen.exitCode(), 0);

    // Every generated picture is the one compiled in: the committed pictures
    // were regenerated after the last change to their drawing code.
    QDirIterator it(out.path(), QDir::Files, QDirIterator::Subdirectories);
    int count = 0;
    while (it.hasNext()) {
        const QString file = it.next();
        const QString resource = QStringLiteral(":/") + QDir(out.path()).relativeFilePath(file);
        const QImage fresh(file);
        const QImage compiled(resource);
        QVERIFY2(!compiled.isNull(), qPrintable(resource + QStringLiteral(" not compiled in")));
        QCOMPARE(compiled.size(), fresh.size());
        // A little slack for a different font build or JPEG decoder.
        QVERIFY2(differingShare(fresh, compiled) < 0.01, qPrintable(resource + QStringLiteral(" is out of date")));
        ++count;
    }
    QVERIFY(count > 200);
}

QTEST_GUILESS_MAIN(PicturesTest)
#include "picturestest.moc"
