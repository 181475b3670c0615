#include "app/ApplicationStartup.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

// Outside any namespace: the macro declares a global function.
static void initResources()
{
    Q_INIT_RESOURCE(nordel_resources);
}

bool ApplicationStartup::loadResourcesAndFont()
{
    initResources();
    QFontDatabase::removeAllApplicationFonts();
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/seguisb.ttf"));
    const int condensedId = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/NordelSansCondensed-Bold.ttf"));
    const QString embedded = QString::fromLatin1(EmbeddedFamily);
    const QString design = QString::fromLatin1(DesignFamily);
    // Style sheets and forms may name the design's family anywhere; the
    // substitution must exist before the first font is resolved.
    QFont::removeSubstitutions(design);
    QFont::insertSubstitution(design, embedded);
    QApplication::setFont(QFont(design));
    return id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(embedded) && condensedId >= 0
        && QFontDatabase::applicationFontFamilies(condensedId).contains(QString::fromLatin1(CondensedFamily));
}
