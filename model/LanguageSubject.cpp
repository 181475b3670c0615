#include "LanguageSubject.h"

#include "core/SettingsSubject.h"

LanguageSupport* LanguageSubject::languageSupport = nullptr;

LanguageSubject::LanguageSubject(SettingsSubject* settings)
    : Subject(nullptr)
    , SettingsObserver(settings)
{
    if (!languageSupport)
        languageSupport = new LanguageSupport(settings ? settings->getSelectedLanguage() : 0);
}

LanguageSubject::~LanguageSubject() = default;

void LanguageSubject::languageChanged(int language)
{
    if (!languageSupport)
        return;
    languageSupport->setLanguage(language);
    notify();
}

QString LanguageSubject::getText(LanguageSupport::translations_t id) const
{
    if (!languageSupport)
        return QStringLiteral("LanguageSupport class not constructed!");
    return languageSupport->getText(id);
}

int LanguageSubject::getActiveLanguage() const
{
    return languageSupport ? languageSupport->getActiveLanguage() : 0;
}

QString LanguageSubject::getLanguage(int i) const
{
    return languageSupport ? languageSupport->getLanguage(i) : QString();
}

int LanguageSubject::getNumberOfLanguages() const
{
    return languageSupport ? languageSupport->getNumberOfLanguages() : -1;
}

QString LanguageSubject::getVersionNumber() const
{
    return languageSupport ? languageSupport->getVersionNumber() : QString();
}

int LanguageSubject::getNumberOfTranslations() const
{
    return languageSupport ? languageSupport->getNumberOfTranslations() : -1;
}
