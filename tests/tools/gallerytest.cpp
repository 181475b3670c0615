#include "Gallery.h"
#include "ShellGallery.h"

#include "app/ApplicationStartup.h"
#include "app/VemorToQt.h"
#include "app/nordelappwidget.h"
#include "support/TestSandbox.h"
#include "ui/CenterView.h"
#include "ui/FullScreenMessage.h"
#include "ui/MainWidget.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

// The screenshot gallery on the running display: pictures come out at the
// screen's size, and what they show is complete.
class GalleryTest : public QObject {
    Q_OBJECT

private:
    TestSandbox* sandbox = nullptr;
    QTemporaryDir* out = nullptr;

    QImage picture(const QString& name) const { return QImage(out->filePath(name + QStringLiteral(".png"))); }

private slots:
    void initTestCase()
    {
        ApplicationStartup::loadResourcesAndFont();
        sandbox = new TestSandbox;
        QVERIFY(sandbox->isValid());
        sandbox->writeStub(QStringLiteral("sync"), "exit 0\n");
        QFile table(qEnvironmentVariable("NORDEL_SOURCE_DIR") + QStringLiteral("/tools/translations/LumoraTranslations.csv"));
        QVERIFY(table.open(QIODevice::ReadOnly));
        sandbox->writeFile(sandbox->devicePath(QStringLiteral("/home/GUI/nordel/LumoraTranslations.csv")),
                           table.readAll());
        out = new QTemporaryDir;
        QVERIFY(out->isValid());
    }

    void cleanupTestCase()
    {
        delete out;
        delete sandbox;
    }

    void namesAreUniqueAndKnown()
    {
        QStringList names = ShellGallery::sceneNames();
        QVERIFY(names.contains(QStringLiteral("shell-splash")));
        QCOMPARE(names.removeDuplicates(), 0);
        for (const QString& n : names)
            QVERIFY2(ShellGallery::lookOf(n) == UI_GEN1 || ShellGallery::lookOf(n) == UI_GEN3, qPrintable(n));
        QCOMPARE(ShellGallery::lookOf(QStringLiteral("no-such-screen")), -1);
    }

    void screensComeOutAtScreenSize()
    {
        Gallery gallery(out->path());
        const QStringList wanted = {QStringLiteral("shell-splash"), QStringLiteral("shell-error"),
                                    QStringLiteral("shell-statusbar-icons"), QStringLiteral("shell-pairing")};
        QCOMPARE(ShellGallery::shoot(gallery, UI_GEN3, wanted), wanted.size());
        QVERIFY(!gallery.failed());
        for (const QString& name : wanted) {
            const QImage image = picture(name);
            QVERIFY2(!image.isNull(), qPrintable(name));
            QCOMPARE(image.size(), QSize(ShellGallery::ScreenWidth, ShellGallery::ScreenHeight));
        }
        // The operating screen and a message are not the same picture.
        QVERIFY(picture(QStringLiteral("shell-statusbar-icons")) != picture(QStringLiteral("shell-error")));
    }

    void badRequestsFailTheRun()
    {
        Gallery gallery(out->path());
        // An unknown name is reported, the known ones are still taken.
        QCOMPARE(ShellGallery::shoot(gallery, UI_GEN3, {QStringLiteral("nonsense"), QStringLiteral("shell-crane")}), 1);
        QVERIFY(gallery.failed());
        // The display keeps its look for the run.
        Gallery other(out->path());
        QCOMPARE(ShellGallery::shoot(other, UI_GEN1, {QStringLiteral("shell-crane-gen1")}), 0);
        QVERIFY(other.failed());
    }

    void longMessagesFitTheScreen()
    {
        // The pairing steps are the longest message: the last line stays on
        // the screen, in a smaller font than a short message uses.
        FullScreenMessage longMessage;
        longMessage.resize(ShellGallery::ScreenWidth, ShellGallery::ScreenHeight);
        longMessage.setTitle(QStringLiteral("Pair the remote control"));
        QString steps = QStringLiteral("The remote control is not paired with the crane. To pair it:");
        for (int i = 1; i <= 4; ++i)
            steps += QStringLiteral("\n%1.Press and hold the pairing button on the crane's receiver for a while.").arg(i);
        longMessage.setDescription(steps);
        longMessage.setAttribute(Qt::WA_DontShowOnScreen);
        longMessage.show();
        QCoreApplication::processEvents();
        QLabel* text = longMessage.descriptionLabel();
        QVERIFY(text->geometry().bottom() < longMessage.height());
        QVERIFY(text->height() >= text->heightForWidth(text->width()));

        FullScreenMessage shortMessage;
        shortMessage.resize(ShellGallery::ScreenWidth, ShellGallery::ScreenHeight);
        shortMessage.setDescription(QStringLiteral("Override active"));
        QVERIFY(text->font().pointSizeF() < shortMessage.descriptionLabel()->font().pointSizeF());

        // Back to a short text: the full size returns.
        longMessage.setDescription(QStringLiteral("Override active"));
        QCOMPARE(text->font().pointSizeF(), shortMessage.descriptionLabel()->font().pointSizeF());
        // An empty description is hidden and leaves the font alone.
        longMessage.setDescription(QString());
        QVERIFY(text->isHidden());
    }

    void clockKeepsItsTextInACrowdedStatusBar()
    {
        // The status-bar picture above had every icon up at once.
        auto* clock = VemorToQt::intance->findChild<QLabel*>(QStringLiteral("label_Clock"));
        QVERIFY(clock);
        QVERIFY(clock->width() >= clock->fontMetrics().horizontalAdvance(clock->text()));
        QVERIFY(clock->width() >= 38 && clock->width() <= 60);
    }

    void centreViewsAreDrawnAsTheScreenShowsThem()
    {
        // The operating screen's centre view has the size and the background
        // the gallery draws the views with.
        Gallery gallery(out->path());
        QCOMPARE(ShellGallery::shoot(gallery, UI_GEN3, {QStringLiteral("shell-crane")}), 1);
        CenterView* view = nullptr;
        for (CenterView* v : VemorToQt::intance->findChildren<CenterView*>())
            if (!v->isHidden())
                view = v;
        QVERIFY(view);
        QCOMPARE(view->size(), QSize(Gallery::CenterWidth, Gallery::CenterHeight));
        QCOMPARE(VemorToQt::intance->styleSheet(), QString::fromLatin1(Gallery::ScreenStyle));
    }
};

QTEST_MAIN(GalleryTest)
#include "gallerytest.moc"
