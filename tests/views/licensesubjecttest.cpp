#include "model/LanguageSubject.h"
#include "model/LanguageSupport.h"
#include "support/TestSandbox.h"
#include "views/LicenseObserver.h"
#include "views/LicenseSubject.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QTextStream>
#include <QtTest>

#include <memory>

namespace {

class RecordingLicenseObserver : public LicenseObserver {
public:
    using LicenseObserver::LicenseObserver;
    ~RecordingLicenseObserver() override = default;
    void licenseChanged(QString text) override { texts << text; }
    QStringList texts;
};

// The notices as the loader must deliver them: every line ended by a line feed.
QString expectedNotices()
{
    QFile file(QStringLiteral(":/Licenses/license.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    QTextStream in(&file);
    in.setCodec("UTF-8");
    QString text;
    while (!in.atEnd())
        text += in.readLine() + QLatin1Char('\n');
    return text;
}

} // namespace

class LicenseSubjectTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void noticesAreARealDocument();
    void placeholderUntilLoadedThenFullText();
    void placeholderWithoutTranslations();
    void destroyingDuringLoadStopsTheWorker();

private:
    std::unique_ptr<TestSandbox> sandbox;
};

void LicenseSubjectTest::initTestCase()
{
    Q_INIT_RESOURCE(nordel_resources);
    sandbox = std::make_unique<TestSandbox>();
    QVERIFY(sandbox->isValid());
}

void LicenseSubjectTest::cleanupTestCase()
{
    delete LanguageSubject::languageSupport;
    LanguageSubject::languageSupport = nullptr;
    sandbox.reset();
}

void LicenseSubjectTest::noticesAreARealDocument()
{
    const QString notices = expectedNotices();
    QVERIFY(notices.size() > 10000);
    const QStringList required {
        QStringLiteral("GNU LESSER GENERAL PUBLIC LICENSE"), QStringLiteral("GNU GENERAL PUBLIC LICENSE"),
        QStringLiteral("SIL OPEN FONT LICENSE Version 1.1"), QStringLiteral("Bitstream Vera"),
        QStringLiteral(":/fonts/seguisb.ttf"), QStringLiteral("Source Sans"), QStringLiteral("relink"),
    };
    for (const QString& r : required)
        QVERIFY2(notices.contains(r), qPrintable(r));
}

void LicenseSubjectTest::placeholderUntilLoadedThenFullText()
{
    // A translation table whose text 40 is the loading word.
    QByteArray table = "Version:7.1:x\nkey;English\n";
    for (int id = 0; id < LanguageSupport::MinimumTranslations; ++id)
        table += "t" + QByteArray::number(id) + ";" + (id == 40 ? QByteArray("Loading") : "Text " + QByteArray::number(id)) + "\n";
    sandbox->writeFile(LanguageSupport::tablePath(), table);
    delete LanguageSubject::languageSupport;
    LanguageSubject::languageSupport = new LanguageSupport(0);

    QElapsedTimer clock;
    clock.start();
    LicenseSubject subject;
    RecordingLicenseObserver observer(&subject);
    observer.attach();
    QCOMPARE(subject.getLicense(), QStringLiteral("Loading..."));
    QVERIFY(!subject.isLoaded());

    // Notifications before the end of loading deliver the placeholder too.
    subject.notify();
    QCoreApplication::processEvents();
    QCOMPARE(observer.texts, QStringList {QStringLiteral("Loading...")});
    observer.texts.clear();

    QTRY_VERIFY_WITH_TIMEOUT(!observer.texts.isEmpty(), 280000);
    qInfo("notices loaded in %lld ms", static_cast<long long>(clock.elapsed()));
    QCOMPARE(observer.texts.size(), 1);
    const QString expected = expectedNotices();
    QCOMPARE(observer.texts.first(), expected);
    QCOMPARE(subject.getLicense(), expected);

    // No cache in the adapter: every notification delivers the text again.
    subject.notify();
    QCoreApplication::processEvents();
    QCOMPARE(observer.texts.size(), 2);
}

void LicenseSubjectTest::placeholderWithoutTranslations()
{
    delete LanguageSubject::languageSupport;
    LanguageSubject::languageSupport = nullptr;
    LicenseSubject subject;
    QVERIFY(subject.getLicense().endsWith(QStringLiteral("...")));
    QVERIFY(subject.getLicense().size() > 3);
}

void LicenseSubjectTest::destroyingDuringLoadStopsTheWorker()
{
    QElapsedTimer clock;
    clock.start();
    {
        LicenseSubject subject;
        QTest::qWait(100);
        QVERIFY(!subject.isLoaded());
    }
    // Far less than loading the whole text would take.
    QVERIFY(clock.elapsed() < 20000);
}

QTEST_GUILESS_MAIN(LicenseSubjectTest)
#include "licensesubjecttest.moc"
