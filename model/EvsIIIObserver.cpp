#include "model/EvsIIIObserver.h"

#include "model/EvsIIISubject.h"
#include "model/LanguageSubject.h"

namespace {

// The translation table is shared by the whole program, so the guidance text
// needs no language subject of its own.
QString languageText(int id)
{
    if (!LanguageSubject::languageSupport)
        return QStringLiteral("LanguageSupport class not constructed!");
    return LanguageSubject::languageSupport->getText(id);
}

} // namespace

EvsIIIObserver::EvsIIIObserver(EvsIIISubject* s)
    : Observer(s)
{
}

EvsIIIObserver::~EvsIIIObserver()
{
    detach();
}

EvsIIISubject* EvsIIIObserver::evsIII() const
{
    return dynamic_cast<EvsIIISubject*>(subject);
}

void EvsIIIObserver::attach()
{
    if (!subject)
        return;
    subject->attach(this);
    EvsIIISubject* s = evsIII();
    if (!s)
        return;
    errorCache = s->getEvsEngineError();
    slmLoadCache = s->getSlmLoad();
    reportGuideText();
    slmLoadChanged(slmLoadCache);
}

void EvsIIIObserver::detach()
{
    if (subject)
        subject->detach(this);
}

void EvsIIIObserver::update()
{
    EvsIIISubject* s = evsIII();
    if (!s)
        return;
    const unsigned int error = s->getEvsEngineError();
    if (error != errorCache) {
        errorCache = error;
        reportGuideText();
    }
    const float load = s->getSlmLoad();
    if (load != slmLoadCache) {
        slmLoadCache = load;
        slmLoadChanged(load);
    }
}

void EvsIIIObserver::reportGuideText()
{
    if (EvsIIISubject::hasGuideText(errorCache))
        userGuideTextChanged(true, languageText(GuideTextBase + int(errorCache)));
    else
        userGuideTextChanged(false, QString());
}

QString EvsIIIObserver::getEvsErrorString() const
{
    if (EvsIIISubject::hasGuideText(errorCache))
        return QString::number(errorCache);
    return QStringLiteral("---");
}

void EvsIIIObserver::evsGuideCodeActiveChanged(bool) {}
void EvsIIIObserver::userGuideTextChanged(bool, QString) {}
void EvsIIIObserver::slmLoadChanged(float) {}
