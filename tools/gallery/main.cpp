#include "Gallery.h"
#include "ShellGallery.h"

#include "support/TestSandbox.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QTextStream>

// Usage: nordel_gallery [output folder, default docs/screens] [screen ...]
// With screen names, only those whole-screen pictures are taken (names as
// printed by --list); without, every centre-view page and every screen.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(nordel_resources);
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/seguisb.ttf"));
    QApplication::setFont(QFont(QStringLiteral("Segoe UI")));
    // Device files (translation table, settings) live in a throw-away root.
    TestSandbox sandbox;
    // The shipped translation table, so views show their real texts.
    QFile table(QStringLiteral(NORDEL_SOURCE_DIR "/tools/translations/LumoraTranslations.csv"));
    if (table.open(QIODevice::ReadOnly))
        sandbox.writeFile(sandbox.devicePath(QStringLiteral("/home/GUI/nordel/LumoraTranslations.csv")),
                          table.readAll());

    // The settings store flushes with sync.
    sandbox.writeStub(QStringLiteral("sync"), "exit 0\n");

    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1 && args.at(1) == QLatin1String("--list")) {
#ifdef NORDEL_GALLERY_SHELL
        QTextStream(stdout) << ShellGallery::sceneNames().join(QLatin1Char('\n')) << '\n';
#endif
        return 0;
    }
    Gallery gallery(args.size() > 1 ? args.at(1) : QStringLiteral("docs/screens"));
    const QStringList screens = args.mid(2);
    if (screens.isEmpty()) {
        for (const auto& page : Gallery::pages())
            page.second(gallery);
    }
#ifdef NORDEL_GALLERY_SHELL
    ShellGallery::shoot(gallery, screens);
#else
    if (!screens.isEmpty())
        gallery.fail();
    QTextStream(stderr) << "whole screens need the crane simulator; not taken\n";
#endif
    QTextStream(stdout) << "pictures written: " << gallery.written() << '\n';
    return gallery.failed() ? 1 : 0;
}
