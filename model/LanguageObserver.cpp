#include "LanguageObserver.h"

#include "model/LanguageSubject.h"

#include <QLabel>

LanguageObserver::LanguageObserver(LanguageSubject* s)
    : Observer(s)
{
    attach();
    if (s)
        activeLanguage = s->getActiveLanguage();
}

LanguageObserver::~LanguageObserver()
{
    detach();
}

LanguageSubject* LanguageObserver::languageSubject() const
{
    return subject ? dynamic_cast<LanguageSubject*>(subject) : nullptr;
}

void LanguageObserver::attach()
{
    if (subject)
        subject->attach(this);
}

void LanguageObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void LanguageObserver::update()
{
    LanguageSubject* s = languageSubject();
    if (!s)
        return;
    const int language = s->getActiveLanguage();
    if (language == activeLanguage)
        return;
    activeLanguage = language;
    updateLabels();
    languageChanged();
}

void LanguageObserver::languageChanged() {}

void LanguageObserver::registerLabel(QLabel* label, LanguageSupport::translations_t id)
{
    if (!label)
        return;
    if (id >= 0 && id < getNumberOfTranslations())
        labels.append(LanguageLabel_t {label, id});
    label->setText(getText(id));
}

void LanguageObserver::updateLabels()
{
    for (const LanguageLabel_t& l : qAsConst(labels)) {
        if (l.label)
            l.label->setText(getText(l.id));
    }
}

QString LanguageObserver::getText(LanguageSupport::translations_t id) const
{
    LanguageSubject* s = languageSubject();
    return s ? s->getText(id) : QStringLiteral("LanguageSupport class not constructed!");
}

int LanguageObserver::getActiveLanguage() const
{
    LanguageSubject* s = languageSubject();
    return s ? s->getActiveLanguage() : 0;
}

QString LanguageObserver::getLanguage(int i) const
{
    LanguageSubject* s = languageSubject();
    return s ? s->getLanguage(i) : QString();
}

int LanguageObserver::getNumberOfLanguages() const
{
    LanguageSubject* s = languageSubject();
    return s ? s->getNumberOfLanguages() : -1;
}

QString LanguageObserver::getVersionNumber() const
{
    LanguageSubject* s = languageSubject();
    return s ? s->getVersionNumber() : QString();
}

int LanguageObserver::getNumberOfTranslations() const
{
    LanguageSubject* s = languageSubject();
    return s ? s->getNumberOfTranslations() : -1;
}
