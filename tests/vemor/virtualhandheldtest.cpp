#include "VemorPlatform.h"
#include "View.h"
#include "VirtualHandheld.h"
#include "support/TestSandbox.h"
#include "ui/PaintPacer.h"

#include <QCheckBox>
#include <QFile>
#include <QVBoxLayout>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

class VirtualHandheldTest : public QObject {
    Q_OBJECT
private slots:
    void options_data();
    void options();
    void keyboardMapping();
    void softKeysByMouseAndKeyboard();
    void indicatorsFollowPlatform();
    void controlsDrivePlatform();
    void screenshotOfRealBinary();
    void screenshotPaintsWhatIsHeldBack();
    void screenshotWaitsForPendingLayout();
    void screenshotAtTheEndOfAShortRun_data();
    void screenshotAtTheEndOfAShortRun();
};

void VirtualHandheldTest::options_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("shot");
    QTest::addColumn<QString>("log");
    QTest::addColumn<int>("quitAfter");
    QTest::addColumn<int>("errors");
    QTest::newRow("none") << QStringList {"nordel"} << QString() << QString() << -1 << 0;
    QTest::newRow("screenshot and quit")
        << QStringList {"nordel", "--screenshot", "a.png", "--quit-after", "6000"} << "a.png" << QString() << 6000 << 0;
    QTest::newRow("inline values") << QStringList {"nordel", "--candump-log=c.log", "--quit-after=0"} << QString()
                                   << "c.log" << 0 << 0;
    QTest::newRow("application's own arguments left alone")
        << QStringList {"nordel", "-x", "--other", "--screenshot", "b.png"} << "b.png" << QString() << -1 << 0;
    QTest::newRow("negative time refused") << QStringList {"nordel", "--quit-after", "-5"} << QString() << QString()
                                           << -1 << 1;
    QTest::newRow("non-numeric time refused") << QStringList {"nordel", "--quit-after", "soon"} << QString()
                                              << QString() << -1 << 1;
    QTest::newRow("missing value at the end") << QStringList {"nordel", "--screenshot"} << QString() << QString()
                                              << -1 << 1;
    QTest::newRow("empty inline file name") << QStringList {"nordel", "--screenshot="} << QString() << QString()
                                            << -1 << 1;
}

void VirtualHandheldTest::options()
{
    QFETCH(QStringList, args);
    QFETCH(QString, shot);
    QFETCH(QString, log);
    QFETCH(int, quitAfter);
    QFETCH(int, errors);
    const VirtualHandheld::Options o = VirtualHandheld::parseOptions(args);
    QCOMPARE(o.screenshotFile, shot);
    QCOMPARE(o.candumpLog, log);
    QCOMPARE(o.quitAfterMs, quitAfter);
    QCOMPARE(o.errors.size(), errors);
}

void VirtualHandheldTest::keyboardMapping()
{
    QCOMPARE(VirtualHandheld::softKeyForKeyboard(Qt::Key_1), 0);
    QCOMPARE(VirtualHandheld::softKeyForKeyboard(Qt::Key_8), 7);
    QCOMPARE(VirtualHandheld::softKeyForKeyboard(Qt::Key_F1), 0);
    QCOMPARE(VirtualHandheld::softKeyForKeyboard(Qt::Key_F8), 7);
    QCOMPARE(VirtualHandheld::softKeyForKeyboard(Qt::Key_9), -1);
    QCOMPARE(VirtualHandheld::softKeyForKeyboard(Qt::Key_F9), -1);
    QCOMPARE(VirtualHandheld::softKeyForKeyboard(Qt::Key_0), -1);
    QCOMPARE(int(VirtualHandheld::softKeyBit(0)), 0x80);
    QCOMPARE(int(VirtualHandheld::softKeyBit(7)), 0x01);
    QCOMPARE(int(VirtualHandheld::softKeyBit(8)), 0);
    QCOMPARE(int(VirtualHandheld::softKeyBit(-1)), 0);
}

void VirtualHandheldTest::softKeysByMouseAndKeyboard()
{
    VemorPlatform* platform = VemorPlatform::instance();
    platform->setSoftButtons(0);
    View view;
    VirtualHandheld handheld(&view);
    handheld.show();

    auto* key0 = handheld.findChild<QPushButton*>(QStringLiteral("softKey0"));
    auto* key7 = handheld.findChild<QPushButton*>(QStringLiteral("softKey7"));
    auto* key4 = handheld.findChild<QPushButton*>(QStringLiteral("softKey4"));
    QVERIFY(key0 && key7 && key4);
    // Right edge counts from the bottom: key 7 sits above key 4.
    QVERIFY(key7->mapTo(&handheld, QPoint()).y() < key4->mapTo(&handheld, QPoint()).y());
    QVERIFY(key0->mapTo(&handheld, QPoint()).x() < view.mapTo(&handheld, QPoint()).x());
    QVERIFY(key7->mapTo(&handheld, QPoint()).x() > view.mapTo(&handheld, QPoint()).x());

    QTest::mousePress(key0, Qt::LeftButton);
    QCOMPARE(int(platform->softButtons()), 0x80);
    QTest::mousePress(key7, Qt::LeftButton);
    QCOMPARE(int(platform->softButtons()), 0x81);
    QTest::mouseRelease(key0, Qt::LeftButton);
    QCOMPARE(int(platform->softButtons()), 0x01);
    QTest::mouseRelease(key7, Qt::LeftButton);
    QCOMPARE(int(platform->softButtons()), 0x00);

    QTest::keyPress(&view, Qt::Key_F2);
    QCOMPARE(int(platform->softButtons()), 0x40);
    QTest::keyPress(&view, Qt::Key_5);
    QCOMPARE(int(platform->softButtons()), 0x48);
    QTest::keyRelease(&view, Qt::Key_F2);
    QTest::keyRelease(&view, Qt::Key_5);
    QCOMPARE(int(platform->softButtons()), 0x00);
    // Auto-repeat neither presses again nor releases.
    QTest::keyPress(&handheld, Qt::Key_1);
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_1, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&handheld, &repeat);
    QCOMPARE(int(platform->softButtons()), 0x80);
    QTest::keyRelease(&handheld, Qt::Key_1);
    QCOMPARE(int(platform->softButtons()), 0x00);
}

void VirtualHandheldTest::indicatorsFollowPlatform()
{
    View view;
    VirtualHandheld handheld(&view);
    VemorPlatform* platform = VemorPlatform::instance();
    auto* led2 = handheld.findChild<QLabel*>(QStringLiteral("led2"));
    QVERIFY(led2);
    for (int colour : {LED_COLOR_RED, LED_COLOR_GREEN, LED_COLOR_YELLOW, LED_COLOR_OFF}) {
        view.setLed(2, static_cast<LedColor>(colour));
        QCOMPARE(platform->led(2), static_cast<LedColor>(colour));
        QCoreApplication::processEvents();
        QCOMPARE(led2->property("ledColour").toInt(), colour);
    }
    const QString offStyle = led2->styleSheet();
    view.setLed(2, LED_COLOR_RED);
    QCoreApplication::processEvents();
    QVERIFY(led2->styleSheet() != offStyle);
    // The application repeats unchanged colours on every update.
    handheld.show();
    QVERIFY(QTest::qWaitForWindowExposed(&handheld));
    int restyled = 0;
    struct StyleChanges : QObject {
        int* n;
        explicit StyleChanges(int* count) : n(count) {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            *n += e->type() == QEvent::StyleChange;
            return false;
        }
    } counter(&restyled);
    led2->installEventFilter(&counter);
    for (int i = 0; i < 3; ++i) {
        view.setLed(2, LED_COLOR_OFF);
        view.setLed(2, LED_COLOR_RED);
        QCoreApplication::processEvents();
    }
    QCOMPARE(restyled, 0);
    QCOMPARE(led2->property("ledColour").toInt(), int(LED_COLOR_RED));
    view.setLed(2, LED_COLOR_GREEN);
    QCoreApplication::processEvents();
    QVERIFY(restyled > 0);
    led2->removeEventFilter(&counter);

    BuzzerConfig pattern {{0x03, 0x83, 0x03, 0x01, 0x11}};
    view.setBuzzerStatus(&pattern);
    auto* buzzer = handheld.findChild<QLabel*>(QStringLiteral("buzzerIndicator"));
    QVERIFY(buzzer);
    QVERIFY2(buzzer->text().contains(QStringLiteral("03 83 03 01 11")), qPrintable(buzzer->text()));
    BuzzerConfig stop {{0x00, 0x80, 0x00, 0x80, 0x00}};
    view.setBuzzerStatus(&stop);
    QVERIFY(buzzer->text().contains(QStringLiteral("off")));

    view.setBacklightMode(false, 4);
    auto* backlight = handheld.findChild<QLabel*>(QStringLiteral("backlightIndicator"));
    QVERIFY(backlight);
    QVERIFY2(backlight->text().contains(QStringLiteral("4/7")), qPrintable(backlight->text()));
    QVERIFY(!backlight->text().contains(QStringLiteral("auto")));
    QCOMPARE(platform->backlightLevel(), static_cast<unsigned char>(4));
}

void VirtualHandheldTest::controlsDrivePlatform()
{
    View view;
    VirtualHandheld handheld(&view);
    VemorPlatform* platform = VemorPlatform::instance();
    handheld.findChild<QSlider*>(QStringLiteral("signalSlider"))->setValue(3);
    handheld.findChild<QCheckBox*>(QStringLiteral("cableCheck"))->setChecked(true);
    handheld.findChild<QSlider*>(QStringLiteral("batterySlider"))->setValue(14);
    handheld.findChild<QSlider*>(QStringLiteral("lever8"))->setValue(200);
    handheld.findChild<QCheckBox*>(QStringLiteral("input31"))->setChecked(true);
    QCOMPARE(int(platform->signal()), 3);
    QVERIFY(platform->cable());
    QCOMPARE(int(platform->battery()), 14);
    QCOMPARE(int(platform->lever(8)), 200);
    QVERIFY(platform->digitalInput(31));

    // Changes made elsewhere show in the controls.
    platform->setLever(0, 10);
    QCOMPARE(handheld.findChild<QSlider*>(QStringLiteral("lever0"))->value(), 10);
    platform->setDigitalInput(31, false);
    QVERIFY(!handheld.findChild<QCheckBox*>(QStringLiteral("input31"))->isChecked());
}

void VirtualHandheldTest::screenshotOfRealBinary()
{
    const QString binDir = qEnvironmentVariable("NORDEL_BINARY_DIR");
    QVERIFY2(!binDir.isEmpty(), "NORDEL_BINARY_DIR is not set");
    const QString binary = binDir + QStringLiteral("/nordel");
    QVERIFY2(QFileInfo(binary).isExecutable(), qPrintable(binary + QStringLiteral(" is not built")));

    TestSandbox sandbox;
    QVERIFY(sandbox.isValid());
    sandbox.writeStub(QStringLiteral("sync"), "exit 0\n");
    const QString shot = sandbox.path() + QStringLiteral("/shot.png");
    const QString log = sandbox.path() + QStringLiteral("/can.log");

    QProcess p;
    p.setProcessEnvironment(sandbox.programEnvironment());
    p.setWorkingDirectory(sandbox.path());
    p.start(binary, {QStringLiteral("--screenshot"), shot, QStringLiteral("--quit-after"), QStringLiteral("1000"),
                     QStringLiteral("--candump-log"), log});
    QVERIFY(p.waitForStarted(10000));
    QVERIFY2(p.waitForFinished(30000), "nordel did not quit in time");
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());

    const QImage image(shot);
    QVERIFY2(!image.isNull(), "no PNG written");
    QVERIFY(image.width() >= 480);
    QVERIFY(image.height() >= 272);
    QVERIFY(QFileInfo::exists(log));
}

QTEST_MAIN(VirtualHandheldTest)
#include "virtualhandheldtest.moc"

void VirtualHandheldTest::screenshotPaintsWhatIsHeldBack()
{
    TestSandbox sandbox;
    QVERIFY(sandbox.isValid());
    View view;
    auto* panel = new QLabel(&view);
    panel->setAutoFillBackground(true);
    panel->resize(VirtualHandheld::ScreenWidth, VirtualHandheld::ScreenHeight);
    auto* pacer = new PaintPacer(&view);
    VirtualHandheld handheld(&view);
    handheld.show();
    QVERIFY(QTest::qWaitForWindowExposed(&handheld));
    QTRY_VERIFY(!pacer->isPending());
    pacer->setExternalFrames(true);
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, QColor(0, 0, 255));
    panel->setPalette(p);
    QCoreApplication::processEvents();
    QVERIFY(pacer->isPending());

    const QString shot = sandbox.path() + QStringLiteral("/held.png");
    QVERIFY(handheld.saveScreenshot(shot));
    QVERIFY(!pacer->isPending());
    const QImage image(shot);
    QCOMPARE(image.pixelColor(10, 10), QColor(0, 0, 255));
}

void VirtualHandheldTest::screenshotWaitsForPendingLayout()
{
    TestSandbox sandbox;
    QVERIFY(sandbox.isValid());
    View view;
    auto* layout = new QVBoxLayout(&view);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* top = new QLabel(&view);
    top->setFixedHeight(100);
    layout->addWidget(top);
    layout->addStretch();
    VirtualHandheld handheld(&view);
    handheld.show();
    QVERIFY(QTest::qWaitForWindowExposed(&handheld));

    // A screen change in this very pass: the new part is shown and laid
    // out only by events still waiting.
    auto* added = new QLabel(&view);
    added->setAutoFillBackground(true);
    QPalette p = added->palette();
    p.setColor(QPalette::Window, QColor(0, 0, 255));
    added->setPalette(p);
    added->setFixedHeight(50);
    layout->insertWidget(1, added);
    const QString shot = sandbox.path() + QStringLiteral("/layout.png");
    QVERIFY(handheld.saveScreenshot(shot));
    const QImage image(shot);
    QCOMPARE(image.pixelColor(10, 120), QColor(0, 0, 255));
}

void VirtualHandheldTest::screenshotAtTheEndOfAShortRun_data()
{
    QTest::addColumn<QString>("shot");
    QTest::addColumn<int>("status");
    QTest::newRow("written at the end") << QStringLiteral("end.png") << 0;
    QTest::newRow("folder missing: status 1") << QStringLiteral("missing/end.png") << 1;
}

// A run that ends before the default screenshot delay still writes its
// picture, or says it could not.
void VirtualHandheldTest::screenshotAtTheEndOfAShortRun()
{
    QFETCH(QString, shot);
    QFETCH(int, status);
    const QString binary = qEnvironmentVariable("NORDEL_BINARY_DIR") + QStringLiteral("/nordel");
    QVERIFY2(QFileInfo(binary).isExecutable(), qPrintable(binary + QStringLiteral(" is not built")));
    TestSandbox sandbox;
    QVERIFY(sandbox.isValid());
    sandbox.writeStub(QStringLiteral("sync"), "exit 0\n");
    const QString scenario = sandbox.path() + QStringLiteral("/short.scn");
    QFile file(scenario);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("at 0 set mode crane\nat 0.5 end\n");
    file.close();
    const QString path = sandbox.path() + QLatin1Char('/') + shot;

    QProcess p;
    p.setProcessEnvironment(sandbox.programEnvironment());
    p.setWorkingDirectory(sandbox.path());
    p.start(binary, {QStringLiteral("--scenario"), scenario, QStringLiteral("--quit-at-end"),
                     QStringLiteral("--screenshot"), path});
    QVERIFY(p.waitForStarted(10000));
    QVERIFY2(p.waitForFinished(30000), "nordel did not quit at the end of the scenario");
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    const QByteArray errors = p.readAllStandardError();
    QVERIFY2(p.exitCode() == status, errors.constData());
    if (status == 0) {
        const QImage image(path);
        QVERIFY2(!image.isNull(), "no PNG written");
        QVERIFY(image.width() >= 480);
    } else {
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY2(errors.contains("cannot write"), errors.constData());
    }
}
