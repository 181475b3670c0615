#include "Gallery.h"
#include "ShellGallery.h"

#include "app/ApplicationStartup.h"
#include "model/LanguageSubject.h"
#include "support/TestSandbox.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTextStream>

// Usage: nordel_gallery [--list] [--language NAME|INDEX] [--masks FILE]
// [--look 0|2] [output folder, default docs/screens] [screen ...]
// With screen names, only those whole-screen pictures are taken (names as
// printed by --list); without, every centre-view page and every screen. The
// display keeps one look per run, so the pictures of the other look are
// taken by a second run of this program with --look. --language draws every
// picture in a language of the shipped table, named as in its header
// ("Deutsch") or by column (0 is the first). --masks appends the rectangles
// that move between runs (spinner, countdown) to FILE.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ApplicationStartup::loadResourcesAndFont();

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.value(0) == QLatin1String("--list")) {
#ifdef NORDEL_GALLERY_SHELL
        QTextStream(stdout) << ShellGallery::sceneNames().join(QLatin1Char('\n')) << '\n';
#endif
        return 0;
    }
    int look = -1;
    QString language;
    QString masks;
    while (args.value(0).startsWith(QLatin1String("--")) && args.size() >= 2) {
        const QString option = args.takeFirst();
        const QString value = args.takeFirst();
        if (option == QLatin1String("--look")) {
            look = value.toInt();
            if (look != UI_GEN1 && look != UI_GEN3) {
                QTextStream(stderr) << "--look takes 0 or 2\n";
                return 2;
            }
        } else if (option == QLatin1String("--language")) {
            language = value;
        } else if (option == QLatin1String("--masks")) {
            masks = value;
        } else {
            QTextStream(stderr) << "unknown option " << option << '\n';
            return 2;
        }
    }
    const QString dir = args.isEmpty() ? QStringLiteral("docs/screens") : args.first();
    const QStringList screens = args.mid(1);

    // Device files (translation table, settings) live in a throw-away root.
    TestSandbox sandbox;
    // The shipped translation table, so views show their real texts.
    QFile table(QStringLiteral(NORDEL_SOURCE_DIR "/tools/translations/LumoraTranslations.csv"));
    if (table.open(QIODevice::ReadOnly))
        sandbox.writeFile(sandbox.devicePath(QStringLiteral("/home/GUI/nordel/LumoraTranslations.csv")),
                          table.readAll());
    // The settings store flushes with sync.
    sandbox.writeStub(QStringLiteral("sync"), "exit 0\n");

    // Every view shares one table; it is loaded here in the chosen language,
    // and the stored choice is what the whole display reads at start.
    LanguageSubject languageTable(nullptr);
    if (!language.isEmpty()) {
        bool isNumber = false;
        int index = language.toInt(&isNumber);
        if (!isNumber) {
            index = -1;
            for (int i = 0; i < languageTable.getNumberOfLanguages(); ++i)
                if (languageTable.getLanguage(i).compare(language, Qt::CaseInsensitive) == 0)
                    index = i;
        }
        if (index < 0 || index >= languageTable.getNumberOfLanguages()) {
            QTextStream(stderr) << "no such language: " << language << '\n';
            return 2;
        }
        languageTable.languageChanged(index);
        Gallery::setLanguage(index);
        QSettings().setValue(QStringLiteral("Language/selectedLanguage"), index);
    }
    if (!masks.isEmpty())
        Gallery::setMaskFile(masks);

    Gallery gallery(dir);
    if (look < 0 && screens.isEmpty()) {
        for (const auto& page : Gallery::pages())
            page.second(gallery);
    }
    bool childFailed = false;
#ifdef NORDEL_GALLERY_SHELL
    QStringList byLook[UI_GEN3 + 1];
    for (const QString& name : screens) {
        const int l = ShellGallery::lookOf(name);
        byLook[l < 0 ? UI_GEN3 : l] << name;
    }
    if (look >= 0) {
        ShellGallery::shoot(gallery, static_cast<uiGenerations_t>(look), screens);
    } else {
        if (screens.isEmpty() || !byLook[UI_GEN3].isEmpty())
            ShellGallery::shoot(gallery, UI_GEN3, byLook[UI_GEN3]);
        if (screens.isEmpty() || !byLook[UI_GEN1].isEmpty()) {
            QStringList childArgs = {QStringLiteral("--look"), QString::number(UI_GEN1)};
            if (!language.isEmpty())
                childArgs << QStringLiteral("--language") << language;
            if (!masks.isEmpty())
                childArgs << QStringLiteral("--masks") << masks;
            childArgs << dir << byLook[UI_GEN1];
            childFailed = QProcess::execute(QCoreApplication::applicationFilePath(), childArgs) != 0;
        }
    }
#else
    if (!screens.isEmpty() || look >= 0)
        gallery.fail();
    QTextStream(stderr) << "whole screens need the crane simulator; not taken\n";
#endif
    QTextStream(stdout) << "pictures written: " << gallery.written() << '\n';
    return gallery.failed() || childFailed ? 1 : 0;
}
