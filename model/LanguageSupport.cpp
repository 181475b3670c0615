#include "LanguageSupport.h"

#include "core/DevicePaths.h"
#include "core/ExternalProgram.h"

#include "nordel_translation_passphrase.h"

#include <QFile>
#include <QProcess>
#include <QTextStream>

namespace {
const char* const PackageFile = "/home/GUI/nordel/LumoraTranslations.tar.gz";
const char* const TableFile = "/home/GUI/nordel/LumoraTranslations.csv";
const char* const TableDirectory = "/home/GUI/nordel/";
constexpr int UnpackTimeoutMs = 5000;

// The paths come from the environment (device root), so every argument is
// quoted before it reaches the shell.
QString shellQuoted(const QString& s)
{
    QString quoted = s;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}
}

LanguageSupport::LanguageSupport(int language)
{
    loadTable();
    setLanguage(language);
}

QString LanguageSupport::tablePath()
{
    return DevicePaths::resolve(QString::fromLatin1(TableFile));
}

QString LanguageSupport::packagePath()
{
    return DevicePaths::resolve(QString::fromLatin1(PackageFile));
}

QString LanguageSupport::directoryPath()
{
    return DevicePaths::resolve(QString::fromLatin1(TableDirectory));
}

QString LanguageSupport::unpackCommand()
{
    const QString package = packagePath();
    const QString directory = directoryPath();
    if (package.isEmpty() || directory.isEmpty())
        return QString();
    return QStringLiteral("openssl enc -d -aes256 -pass pass:")
        + shellQuoted(QStringLiteral(NORDEL_TRANSLATION_PASSPHRASE)) + QStringLiteral(" -in ")
        + shellQuoted(package) + QStringLiteral(" | tar -xvz -C ") + shellQuoted(directory);
}

bool LanguageSupport::unpackPackage()
{
    const QString command = unpackCommand();
    if (command.isEmpty())
        return false;

    QProcess unpack;
    unpack.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    if (!unpack.waitForFinished(UnpackTimeoutMs)) {
        unpack.kill();
        unpack.waitForFinished(1000);
        return false;
    }

    // Without a flush a power cut right after the first start would leave a
    // half-written table that is then used at every later start.
    QProcess flush;
    if (!ExternalProgram::start(flush, QStringLiteral("sync")))
        return true;
    if (!flush.waitForFinished(UnpackTimeoutMs)) {
        flush.kill();
        flush.waitForFinished(1000);
        return false;
    }
    return true;
}

void LanguageSupport::loadTable()
{
    const QString path = tablePath();
    if (path.isEmpty())
        return;
    if (!QFile::exists(path) && !unpackPackage())
        return;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&file);
    in.setCodec("UTF-8");

    int lineNumber = 0;
    bool headerHasLanguages = false;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const QStringList fields = line.split(QLatin1Char(';'));
        if (lineNumber == 0) {
            versionText = fields.value(0);
        } else if (lineNumber == 1) {
            headerHasLanguages = line.contains(QLatin1Char(';'));
            if (!headerHasLanguages)
                break;
            languages = fields.mid(1);
            translations.resize(languages.size());
        } else {
            for (int lang = 0; lang < languages.size(); ++lang)
                translations[lang].append(fields.value(lang + 1));
        }
        ++lineNumber;
    }

    if (getNumberOfTranslations() < MinimumTranslations)
        invalid = true;
}

void LanguageSupport::setLanguage(int i)
{
    activeLanguage = (i >= 0 && i < languages.size()) ? i : 0;
}

int LanguageSupport::getActiveLanguage() const
{
    return activeLanguage;
}

int LanguageSupport::getNumberOfLanguages() const
{
    return languages.isEmpty() ? -1 : languages.size();
}

QString LanguageSupport::getLanguage(int i) const
{
    if (languages.isEmpty())
        return QStringLiteral("No Languages present!");
    return languages.value(i);
}

QString LanguageSupport::getVersionNumber() const
{
    if (languages.isEmpty())
        return QStringLiteral("No Version Number!");
    return versionText.section(QLatin1Char(':'), 1, 1);
}

int LanguageSupport::getNumberOfTranslations() const
{
    if (languages.isEmpty())
        return -1;
    for (const QStringList& texts : translations) {
        if (texts.size() < MinimumTranslations)
            return -2;
    }
    return translations.first().size();
}

QString LanguageSupport::getText(translations_t id) const
{
    if (languages.isEmpty())
        return QStringLiteral("Missing translation file");
    if (invalid)
        return QStringLiteral("Invalid translation file!");
    const QStringList& texts = translations.at(activeLanguage);
    if (id < 0 || id >= texts.size() || texts.at(id).isEmpty())
        return QStringLiteral("Missing Text!");
    return texts.at(id);
}
