#include "LicenseSubject.h"

#include "model/LanguageSubject.h"
#include "model/LanguageSupport.h"

#include <QFile>
#include <QTextStream>
#include <QThread>

namespace {
const QString noticesResource = QStringLiteral(":/Licenses/license.txt");
const int loadingTextId = 40;
const unsigned long pauseAfterLineMs = 50;
}

class LicenseSubject::Worker : public QThread {
public:
    explicit Worker(LicenseSubject* owner)
        : owner(owner)
    {
    }

protected:
    void run() override { owner->run(); }

private:
    LicenseSubject* owner;
};

LicenseSubject::LicenseSubject()
    : Subject(nullptr)
{
    worker = new Worker(this);
    worker->start();
}

LicenseSubject::~LicenseSubject()
{
    // The worker pauses after every line; stop it rather than wait minutes.
    worker->requestInterruption();
    worker->wait();
    delete worker;
}

void LicenseSubject::run()
{
    if (isLoaded())
        return;
    QFile file(noticesResource);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&file);
    in.setCodec("UTF-8");
    QString loadedText;
    while (!in.atEnd()) {
        if (worker->isInterruptionRequested())
            return;
        loadedText += in.readLine();
        loadedText += QLatin1Char('\n');
        // Keeps the loader from competing with the GUI thread during start-up.
        QThread::msleep(pauseAfterLineMs);
    }
    file.close();
    text = loadedText;
    loaded.store(true, std::memory_order_release);
    notify();
}

QString LicenseSubject::getLicense()
{
    if (isLoaded())
        return text;
    const LanguageSupport* language = LanguageSubject::languageSupport;
    const QString loading
        = language ? language->getText(loadingTextId) : QStringLiteral("LanguageSupport class not constructed!");
    return loading + QStringLiteral("...");
}
