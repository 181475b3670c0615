#include "AppVersionOberver.h"

#include "platform/AppVerSubject.h"

const char* const AppVersionOberver::ApplicationVersion = "1.3.2";
const char* const AppVersionOberver::GitRevision = "27484a7";

AppVersionOberver::AppVersionOberver(AppVerSubject* s)
    : Observer(s)
{
    if (dynamic_cast<AppVerSubject*>(subject)) {
        appVersion = QString::fromLatin1(ApplicationVersion);
        gitVersion = QString::fromLatin1(GitRevision);
    }
}

AppVersionOberver::~AppVersionOberver()
{
    detach();
}

void AppVersionOberver::attach()
{
    if (subject)
        subject->attach(this);
    appVersionChanged(appVersion);
    gitVersionChanged(gitVersion);
}

void AppVersionOberver::detach()
{
    if (subject)
        subject->detach(this);
}

void AppVersionOberver::update()
{
    if (!dynamic_cast<AppVerSubject*>(subject))
        return;
    const QString version = QString::fromLatin1(ApplicationVersion);
    if (version != appVersion) {
        appVersion = version;
        appVersionChanged(version);
    }
    const QString revision = QString::fromLatin1(GitRevision);
    if (revision != gitVersion) {
        gitVersion = revision;
        gitVersionChanged(revision);
    }
}

void AppVersionOberver::appVersionChanged(QString) {}
void AppVersionOberver::gitVersionChanged(QString) {}
