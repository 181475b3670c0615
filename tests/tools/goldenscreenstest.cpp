// The committed gallery is what the display draws today: the gallery is
// drawn afresh, in English and in German, with the project's font set, and
// every picture is compared with the committed one. A change to what the
// operator sees cannot land without its new picture. Spinner dots, a
// counting override time and a charging bar move between runs and are left
// out where the gallery reports them.

#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTextStream>
#include <QVector>
#include <QtTest>

namespace {

// A pixel differs when a channel moves by more than this; a picture differs
// when more than MaxShare of its pixels do (anti-aliasing of another
// rasteriser build moves single edge pixels, a changed text or icon far more).
constexpr int ChannelTolerance = 24;
constexpr double MaxShare = 0.001;

using Masks = QHash<QString, QVector<QRect>>;

Masks readMasks(const QString& path)
{
    Masks masks;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return masks;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QStringList f = in.readLine().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (f.size() == 5)
            masks[f[0]] << QRect(f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt());
    }
    return masks;
}

// Empty when alike, else what differs.
QString compare(const QImage& committed, const QImage& drawn, const QVector<QRect>& masked)
{
    if (committed.size() != drawn.size())
        return QStringLiteral("size %1x%2, committed %3x%4")
            .arg(drawn.width())
            .arg(drawn.height())
            .arg(committed.width())
            .arg(committed.height());
    const QImage a = committed.convertToFormat(QImage::Format_ARGB32);
    const QImage b = drawn.convertToFormat(QImage::Format_ARGB32);
    int differing = 0;
    QRect where;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (qAbs(qRed(p) - qRed(q)) <= ChannelTolerance && qAbs(qGreen(p) - qGreen(q)) <= ChannelTolerance
                && qAbs(qBlue(p) - qBlue(q)) <= ChannelTolerance && qAbs(qAlpha(p) - qAlpha(q)) <= ChannelTolerance)
                continue;
            bool hidden = false;
            for (const QRect& m : masked)
                hidden = hidden || m.contains(x, y);
            if (hidden)
                continue;
            ++differing;
            where |= QRect(x, y, 1, 1);
        }
    }
    if (differing <= a.width() * a.height() * MaxShare)
        return QString();
    return QStringLiteral("%1 pixels differ within x %2-%3, y %4-%5")
        .arg(differing)
        .arg(where.left())
        .arg(where.right())
        .arg(where.top())
        .arg(where.bottom());
}

QStringList pictures(const QString& dir)
{
    QStringList names = QDir(dir).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    for (QString& n : names)
        n.chop(4);
    return names;
}

} // namespace

class GoldenScreensTest : public QObject {
    Q_OBJECT

private slots:
    void comparisonLeavesOutOnlyWhatMoves()
    {
        QImage committed(100, 50, QImage::Format_ARGB32);
        committed.fill(Qt::white);
        QImage drawn = committed;
        // A spinner dot moved inside its reported rectangle.
        for (int y = 10; y < 20; ++y)
            for (int x = 10; x < 20; ++x)
                drawn.setPixel(x, y, qRgb(0, 0, 0));
        QVERIFY(compare(committed, drawn, {QRect(5, 5, 20, 20)}).isEmpty());
        QVERIFY(!compare(committed, drawn, {}).isEmpty());
        // Faint shifts stay within tolerance; a size change never does.
        QImage faint = committed;
        faint.setPixel(50, 25, qRgb(240, 240, 240));
        QVERIFY(compare(committed, faint, {}).isEmpty());
        QVERIFY(!compare(committed, committed.copy(0, 0, 100, 49), {}).isEmpty());
    }

    void committedGalleryIsCurrent_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("folder");
        QTest::newRow("English") << QStringLiteral("English") << QStringLiteral("docs/screens");
        QTest::newRow("German") << QStringLiteral("Deutsch") << QStringLiteral("docs/screens/de");
    }

    void committedGalleryIsCurrent()
    {
        QFETCH(QString, language);
        QFETCH(QString, folder);
        const QString source = qEnvironmentVariable("NORDEL_SOURCE_DIR");
        const QString program = qEnvironmentVariable("NORDEL_BINARY_DIR") + QStringLiteral("/tools/gallery/nordel_gallery");
        if (!QFile::exists(program))
            QSKIP("the gallery is built only with the crane simulator");
        QTemporaryDir out;
        QVERIFY(out.isValid());
        const QString drawn = out.filePath(QStringLiteral("screens"));
        const QString maskFile = out.filePath(QStringLiteral("masks.txt"));

        QProcess gallery;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("FONTCONFIG_FILE"), source + QStringLiteral("/tools/gallery/fonts.conf"));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), out.filePath(QStringLiteral("cache")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        gallery.setProcessEnvironment(env);
        gallery.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        gallery.start(program, {QStringLiteral("--language"), language, QStringLiteral("--masks"), maskFile, drawn});
        QVERIFY(gallery.waitForFinished(240000));
        QCOMPARE(gallery.exitCode(), 0);

        const QString committed = source + QLatin1Char('/') + folder;
        const QStringList names = pictures(drawn);
        QCOMPARE(pictures(committed), names);
        const Masks masks = readMasks(maskFile);
        QStringList faults;
        for (const QString& name : names) {
            const QString fault = compare(QImage(committed + QLatin1Char('/') + name + QStringLiteral(".png")),
                                          QImage(drawn + QLatin1Char('/') + name + QStringLiteral(".png")), masks.value(name));
            if (!fault.isEmpty())
                faults << name + QStringLiteral(": ") + fault;
        }
        QVERIFY2(faults.isEmpty(),
                 qPrintable(faults.join(QStringLiteral("; ")) + QStringLiteral(" (redraw with ./scripts/gallery.sh)")));
    }
};

QTEST_MAIN(GoldenScreensTest)
#include "goldenscreenstest.moc"
