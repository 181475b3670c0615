#pragma once

#include "core/Observer.h"

#include <QString>

class AppVerSubject;

// Carries the application's version and source revision, fixed at build
// time, to the views that show them.
class AppVersionOberver : public Observer {
public:
    static const char* const ApplicationVersion;
    static const char* const GitRevision;

    explicit AppVersionOberver(AppVerSubject* s);
    virtual ~AppVersionOberver();

    // Delivers the version, then the revision.
    void attach() override;
    void detach() override;
    void update() override;

    virtual void appVersionChanged(QString version);
    virtual void gitVersionChanged(QString revision);

    QString getAppVersion() const { return appVersion; }
    QString getGitVersion() const { return gitVersion; }

private:
    QString appVersion;
    QString gitVersion;
};
