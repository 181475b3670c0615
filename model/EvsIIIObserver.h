#pragma once

#include "core/Observer.h"

#include <QString>

class EvsIIISubject;

// Adapter of the EVS III subject: turns the guidance code into the
// operator's guidance text (in the selected language) and reports the SLM
// load. Used by the status bar and the EVS III notification.
class EvsIIIObserver : public Observer {
public:
    // Guidance code n is shown with language text GuideTextBase + n.
    static constexpr int GuideTextBase = 41;

    explicit EvsIIIObserver(EvsIIISubject* s);
    virtual ~EvsIIIObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void evsGuideCodeActiveChanged(bool active);
    virtual void userGuideTextChanged(bool show, QString text);
    virtual void slmLoadChanged(float load);

    // The cached code in decimal when it carries guidance, else "---".
    QString getEvsErrorString() const;

private:
    EvsIIISubject* evsIII() const;
    void reportGuideText();

    unsigned int errorCache = 0;
    float slmLoadCache = 0;
};
