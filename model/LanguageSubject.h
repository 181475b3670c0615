#pragma once

#include "core/SettingsObserver.h"
#include "core/Subject.h"
#include "model/LanguageSupport.h"

#include <QString>

class SettingsSubject;

// Access to the translation table for the whole program, and the news that
// the operator picked another language in the settings. The table is shared:
// the first LanguageSubject loads it, later ones reuse it.
class LanguageSubject : public Subject, public SettingsObserver {
public:
    explicit LanguageSubject(SettingsSubject* settings);
    ~LanguageSubject() override;

    using Subject::attach;
    using Subject::detach;

    void languageChanged(int language) override;

    QString getText(LanguageSupport::translations_t id) const;
    int getActiveLanguage() const;
    QString getLanguage(int i) const;
    int getNumberOfLanguages() const;
    QString getVersionNumber() const;
    int getNumberOfTranslations() const;

    static LanguageSupport* languageSupport;
};
