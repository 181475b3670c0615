#include "Gallery.h"

#include "support/TestSandbox.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QTextStream>

// Usage: nordel_gallery [output folder, default docs/screens]
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

    const QStringList args = QCoreApplication::arguments();
    Gallery gallery(args.size() > 1 ? args.at(1) : QStringLiteral("docs/screens"));
    for (const auto& page : Gallery::pages())
        page.second(gallery);
    QTextStream(stdout) << "pictures written: " << gallery.written() << '\n';
    return gallery.failed() ? 1 : 0;
}
