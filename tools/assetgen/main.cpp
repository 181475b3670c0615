// Draws every picture of the display application into the resource folder.
// Usage: assetgen <resources-dir> [<contact-sheet.png>]

#include "AssetSink.h"
#include "Render.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: assetgen <resources-dir> [<contact-sheet.png>]\n");
        return 2;
    }
    // Letters in the pictures come from the system's DejaVu fonts only;
    // loading them by file keeps the output independent of font matching.
    const char* fonts[] = {"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
                           "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"};
    for (const char* font : fonts) {
        if (QFontDatabase::addApplicationFont(QString::fromLatin1(font)) < 0) {
            std::fprintf(stderr, "assetgen: missing font %s (install fonts-dejavu-core)\n", font);
            return 1;
        }
    }

    AssetSink sink(QDir(args.at(1)).absolutePath());
    makeGenerationIcons(sink);
    makeInfoCentreIcons(sink);
    makeLogos(sink);
    makeViewPictures(sink);
    makeStabilizerPictures(sink);
    makeHdlPictures(sink);
    if (args.size() > 2)
        makeContactSheet(sink).save(args.at(2), "PNG");
    std::printf("assetgen: %d pictures written, %d failed\n", static_cast<int>(sink.entries().size()), sink.failures());
    return sink.failures() == 0 ? 0 : 1;
}
