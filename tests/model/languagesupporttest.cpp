#include "support/TestSandbox.h"

#include "core/DevicePaths.h"
#include "core/SettingsSubject.h"
#include "model/LanguageObserver.h"
#include "model/LanguageSubject.h"
#include "model/LanguageSupport.h"

#include "nordel_translation_passphrase.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QSettings>
#include <QtTest>

#include <climits>
#include <memory>

namespace {
const char* const TablePath = "/home/GUI/nordel/LumoraTranslations.csv";
const char* const PackagePath = "/home/GUI/nordel/LumoraTranslations.tar.gz";

// A table with the given number of text lines; text n reads "en n" / "de n".
QByteArray makeTable(int texts, const QByteArray& version = "Translations:1.4:x")
{
    QByteArray t = version + ";;\nKey;English;Deutsch\n";
    for (int i = 0; i < texts; ++i)
        t += "K" + QByteArray::number(i) + ";en " + QByteArray::number(i) + ";de " + QByteArray::number(i) + "\n";
    return t;
}

QString shippedTable()
{
    return QString::fromLocal8Bit(qgetenv("NORDEL_SOURCE_DIR")) + QStringLiteral("/tools/translations/LumoraTranslations.csv");
}

class LanguageRecorder : public LanguageObserver {
public:
    using LanguageObserver::LanguageObserver;
    void languageChanged() override { ++changes; }
    int changes = 0;
};
}

class LanguageSupportTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        sandbox.reset(new TestSandbox);
        sandbox->writeStub(QStringLiteral("sync"), "exit 0\n");
    }
    void cleanup()
    {
        delete LanguageSubject::languageSupport;
        LanguageSubject::languageSupport = nullptr;
        sandbox.reset();
    }

    void fullTable()
    {
        writeTable(makeTable(69));
        LanguageSupport ls(1);
        QCOMPARE(ls.getNumberOfLanguages(), 2);
        QCOMPARE(ls.getLanguage(0), QStringLiteral("English"));
        QCOMPARE(ls.getLanguage(1), QStringLiteral("Deutsch"));
        QCOMPARE(ls.getNumberOfTranslations(), 69);
        QCOMPARE(ls.getActiveLanguage(), 1);
        QCOMPARE(ls.getText(0), QStringLiteral("de 0"));
        QCOMPARE(ls.getText(68), QStringLiteral("de 68"));
        ls.setLanguage(0);
        QCOMPARE(ls.getText(0), QStringLiteral("en 0"));
        QCOMPARE(ls.getVersionNumber(), QStringLiteral("1.4"));
    }

    void shortTableIsInvalid()
    {
        writeTable(makeTable(68));
        LanguageSupport ls(0);
        QCOMPARE(ls.getNumberOfTranslations(), -2);
        QCOMPARE(ls.getText(0), QStringLiteral("Invalid translation file!"));
        QCOMPARE(ls.getText(67), QStringLiteral("Invalid translation file!"));
        QCOMPARE(ls.getNumberOfLanguages(), 2);
    }

    void languageIndexOutOfRangeFallsBackToFirst_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("two") << 2;
        QTest::newRow("five") << 5;
        QTest::newRow("negative") << -1;
    }
    void languageIndexOutOfRangeFallsBackToFirst()
    {
        QFETCH(int, language);
        writeTable(makeTable(69));
        LanguageSupport ls(1);
        ls.setLanguage(language);
        QCOMPARE(ls.getActiveLanguage(), 0);
        QCOMPARE(LanguageSupport(language).getActiveLanguage(), 0);
    }

    void idsOutsideTheTableAreMissingTexts_data()
    {
        QTest::addColumn<int>("id");
        QTest::newRow("just past the end") << 69;
        QTest::newRow("far past the end") << INT_MAX;
        QTest::newRow("minus one") << -1;
        QTest::newRow("most negative") << INT_MIN;
    }
    void idsOutsideTheTableAreMissingTexts()
    {
        QFETCH(int, id);
        writeTable(makeTable(69));
        LanguageSupport ls(0);
        QCOMPARE(ls.getText(id), QStringLiteral("Missing Text!"));
    }

    void emptyAndMissingCells()
    {
        QByteArray t = makeTable(69);
        t.replace("K5;en 5;de 5\n", "K5;;de 5\n");
        t.replace("K6;en 6;de 6\n", "K6;en 6\n"); // German cell missing entirely
        writeTable(t);
        LanguageSupport ls(0);
        QCOMPARE(ls.getText(5), QStringLiteral("Missing Text!"));
        QCOMPARE(ls.getText(6), QStringLiteral("en 6"));
        ls.setLanguage(1);
        QCOMPARE(ls.getText(5), QStringLiteral("de 5"));
        QCOMPARE(ls.getText(6), QStringLiteral("Missing Text!"));
    }

    void noTable()
    {
        LanguageSupport ls(0);
        QCOMPARE(ls.getNumberOfLanguages(), -1);
        QCOMPARE(ls.getNumberOfTranslations(), -1);
        QCOMPARE(ls.getText(0), QStringLiteral("Missing translation file"));
        QCOMPARE(ls.getLanguage(0), QStringLiteral("No Languages present!"));
        QCOMPARE(ls.getVersionNumber(), QStringLiteral("No Version Number!"));
    }

    void headerWithoutLanguages()
    {
        writeTable("Translations:1.4:x\nKey\nK0;en;de\n");
        LanguageSupport ls(0);
        QCOMPARE(ls.getNumberOfLanguages(), -1);
        QCOMPARE(ls.getText(0), QStringLiteral("Missing translation file"));
    }

    void shippedTableHasEveryText()
    {
        QFile shipped(shippedTable());
        QVERIFY2(shipped.open(QIODevice::ReadOnly), qPrintable(shipped.fileName()));
        const QByteArray content = shipped.readAll();
        // Ids are row positions: a reworded text keeps its row and its key.
        const QList<QByteArray> rows = content.split('\n');
        const std::pair<int, const char*> anchors[] = {
            {0, "SPLASH_VERSION_LINE"}, {16, "ERROR_CODE_LABEL"}, {17, "ALT_CODE_LABEL"}, {18, "OVERRIDE_ACTIVE"},
            {52, "CRANE_LOAD"},         {53, "STRENGTH"},         {54, "WINCH_LOAD"},     {55, "FLYJIB_LOAD"},
            {56, "CRANE_LOAD_SHORT"},   {68, "CAMERA_SIGNAL"}};
        for (const auto& a : anchors)
            QCOMPARE(rows.value(a.first + 2).split(';').value(0), QByteArray(a.second));
        writeTable(content);
        LanguageSupport ls(0);
        QVERIFY(ls.getNumberOfLanguages() >= 2);
        QCOMPARE(ls.getLanguage(0), QStringLiteral("English"));
        QCOMPARE(ls.getLanguage(1), QStringLiteral("Deutsch"));
        QVERIFY(ls.getNumberOfTranslations() >= 69);
        QVERIFY(!ls.getVersionNumber().isEmpty());
        for (int lang = 0; lang < ls.getNumberOfLanguages(); ++lang) {
            ls.setLanguage(lang);
            for (int id = 0; id <= 68; ++id) {
                const QString text = ls.getText(id);
                QVERIFY2(text != QLatin1String("Missing Text!") && !text.trimmed().isEmpty(),
                         qPrintable(QStringLiteral("language %1, id %2").arg(lang).arg(id)));
            }
        }
        ls.setLanguage(1);
        QCOMPARE(ls.getText(50), QStringLiteral("Sprache")); // non-ASCII texts survive: check one
        QCOMPARE(ls.getText(65), QString::fromUtf8("Öltemperatur"));
    }

    void encryptedPackageRoundTrip()
    {
        QVERIFY(buildPackage(QStringLiteral(NORDEL_TRANSLATION_PASSPHRASE)));
        const QString table = DevicePaths::resolve(QString::fromLatin1(TablePath));
        QVERIFY(!QFile::exists(table));

        LanguageSupport ls(1);
        QVERIFY(QFile::exists(table));
        QCOMPARE(ls.getNumberOfLanguages(), 8);
        QCOMPARE(ls.getText(41), QStringLiteral("Einstellungen"));
        // Letters beyond Latin-1 survive packing, unpacking and reading.
        QCOMPARE(ls.getLanguage(2), QString::fromUtf8("Français"));
        ls.setLanguage(7);
        QCOMPARE(ls.getText(2), QString::fromUtf8("Łączenie z żurawiem..."));
        ls.setLanguage(6);
        QCOMPARE(ls.getText(64), QString::fromUtf8("Översikt"));
        QVERIFY(QFile::exists(DevicePaths::resolve(QString::fromLatin1(PackagePath))));
    }

    void packageUnderAnAwkwardRootIsNotShellText()
    {
        // Blanks, quotes and shell syntax in the root must stay part of the path.
        const QString root = sandbox->path() + QStringLiteral("/it's a $(root); `x`");
        QVERIFY(QDir().mkpath(root));
        DevicePaths::setRoot(root);
        QVERIFY(buildPackage(QStringLiteral(NORDEL_TRANSLATION_PASSPHRASE)));
        LanguageSupport ls(0);
        QCOMPARE(ls.getText(41), QStringLiteral("Settings"));
        QVERIFY(QFile::exists(root + QString::fromLatin1(TablePath)));
    }

    void wrongPassPhraseLoadsNothing()
    {
        QVERIFY(buildPackage(QStringLiteral("NotTheKey1")));
        LanguageSupport ls(0);
        QCOMPARE(ls.getNumberOfLanguages(), -1);
        QCOMPARE(ls.getText(0), QStringLiteral("Missing translation file"));
    }

    void hangingFlushStopsLoading()
    {
        QVERIFY(buildPackage(QStringLiteral(NORDEL_TRANSLATION_PASSPHRASE)));
        sandbox->writeStub(QStringLiteral("sync"), "exec sleep 20\n");
        LanguageSupport ls(0);
        QCOMPARE(ls.getNumberOfLanguages(), -1);
    }

    void subjectSharesOneTableAndFollowsTheSettings()
    {
        QCOMPARE(LanguageSubject(nullptr).getText(0), QStringLiteral("Missing translation file"));
        delete LanguageSubject::languageSupport;
        LanguageSubject::languageSupport = nullptr;
        QCOMPARE(LanguageObserver(nullptr).getText(0), QStringLiteral("LanguageSupport class not constructed!"));

        writeTable(makeTable(69));
        QSettings settings(sandbox->path() + QStringLiteral("/settings.ini"), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Language/selectedLanguage"), 1);
        SettingsSubject settingsSubject(&settings);
        LanguageSubject first(&settingsSubject);
        LanguageSupport* shared = LanguageSubject::languageSupport;
        QVERIFY(shared);
        LanguageSubject second(&settingsSubject);
        QCOMPARE(LanguageSubject::languageSupport, shared);
        QCOMPARE(second.getActiveLanguage(), 1);
        QCOMPARE(second.getText(3), QStringLiteral("de 3"));

        QLabel bound;
        QLabel unbound;
        LanguageRecorder observer(&first);
        observer.registerLabel(&bound, 7);
        observer.registerLabel(&unbound, 69); // beyond the table: shown once, not bound
        QCOMPARE(bound.text(), QStringLiteral("de 7"));
        QCOMPARE(unbound.text(), QStringLiteral("Missing Text!"));

        {
            // A bound label that goes away before the observer is skipped.
            QLabel shortLived;
            observer.registerLabel(&shortLived, 8);
        }

        settingsSubject.setSelectedLanguage(0);
        QCOMPARE(observer.changes, 0);
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        QCOMPARE(observer.changes, 1);
        QCOMPARE(bound.text(), QStringLiteral("en 7"));
        QCOMPARE(unbound.text(), QStringLiteral("Missing Text!"));
        QCOMPARE(observer.getActiveLanguage(), 0);
    }

private:
    void writeTable(const QByteArray& content)
    {
        sandbox->writeFile(DevicePaths::resolve(QString::fromLatin1(TablePath)), content);
    }

    // Packs the shipped table with the packaging script, as the build does.
    bool buildPackage(const QString& passPhrase)
    {
        const QString package = DevicePaths::resolve(QString::fromLatin1(PackagePath));
        QProcess script;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("NORDEL_TRANSLATION_PASSPHRASE"), passPhrase);
        script.setProcessEnvironment(env);
        script.start(QStringLiteral("sh"),
                     {QString::fromLocal8Bit(qgetenv("NORDEL_SOURCE_DIR"))
                          + QStringLiteral("/tools/translations/make-translation-package.sh"),
                      shippedTable(), package});
        if (!script.waitForFinished(30000) || script.exitCode() != 0) {
            qWarning() << script.readAllStandardError();
            return false;
        }
        return QFile::exists(package);
    }

    std::unique_ptr<TestSandbox> sandbox;
};

QTEST_MAIN(LanguageSupportTest)
#include "languagesupporttest.moc"
