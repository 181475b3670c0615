#pragma once

#include "core/Observer.h"
#include "model/LanguageSupport.h"

#include <QPointer>
#include <QString>
#include <QVector>

class LanguageSubject;
class QLabel;

// Adapter of the language subject. Widgets bind their labels to text ids
// here, and the labels follow every language change.
class LanguageObserver : public Observer {
public:
    struct LanguageLabel_t {
        // Guarded: a bound label may be deleted before the observer.
        QPointer<QLabel> label;
        LanguageSupport::translations_t id = 0;
    };

    explicit LanguageObserver(LanguageSubject* s);
    virtual ~LanguageObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void languageChanged();

    void registerLabel(QLabel* label, LanguageSupport::translations_t id);
    void updateLabels();

    QString getText(LanguageSupport::translations_t id) const;
    int getActiveLanguage() const;
    QString getLanguage(int i) const;
    int getNumberOfLanguages() const;
    QString getVersionNumber() const;
    int getNumberOfTranslations() const;

protected:
    int activeLanguage = 0;
    QVector<LanguageLabel_t> labels;

private:
    LanguageSubject* languageSubject() const;
};
