#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The translation table: every operator-visible text by text id, in each
// language the table file provides. Loaded once from the unit's application
// folder (unpacking the encrypted package first when the table is missing);
// reached by the rest of the program through LanguageSubject.
class LanguageSupport {
public:
    // A text id; ids are the row positions below the header of the table.
    typedef int translations_t;

    // Texts a usable table has at least (ids 0 to 68).
    static constexpr int MinimumTranslations = 69;

    explicit LanguageSupport(int language);

    void setLanguage(int i);
    int getActiveLanguage() const;
    // -1 when no table was loaded.
    int getNumberOfLanguages() const;
    QString getLanguage(int i) const;
    QString getVersionNumber() const;
    // -1 without a table, -2 when a language lacks texts, else the number of texts.
    int getNumberOfTranslations() const;
    QString getText(translations_t id) const;

    static QString tablePath();
    static QString packagePath();
    static QString directoryPath();
    // The shell command that decrypts and unpacks the package; empty when a
    // path could not be resolved.
    static QString unpackCommand();

private:
    void loadTable();
    static bool unpackPackage();

    QString versionText;
    int activeLanguage = 0;
    QVector<QStringList> translations;
    QStringList languages;
    bool invalid = false;
};
