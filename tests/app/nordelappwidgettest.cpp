#include "app/ApplicationStartup.h"
#include "app/CenterViewFactory.h"
#include "app/VemorToQt.h"
#include "app/VemorViewMaster.h"
#include "app/nordelappwidget.h"
#include "can/MpdoSubject.h"
#include "can/VemorRcCanSubject.h"
#include "support/TestSandbox.h"
#include "ui/FullScreenMessage.h"
#include "ui/MainWidget.h"
#include "views/vemorRcWifiSubject.h"

#include <QCoreApplication>
#include <QSettings>
#include <QtTest>

// Builds the whole application graph once, as the platform does at start-up.
class NordelAppWidgetTest : public QObject {
    Q_OBJECT
private:
    TestSandbox* box = nullptr;
    VemorViewMaster* master = nullptr;
    VemorToQt* view = nullptr;

private slots:
    void initTestCase()
    {
        ApplicationStartup::loadResourcesAndFont();
        box = new TestSandbox;
        box->writeStub(QStringLiteral("sync"), "exit 0\n");
        master = new VemorViewMaster;
        view = new VemorToQt(master, nullptr);
    }

    // The application graph lives to the end of the process, as on the unit;
    // only the sandbox goes.
    void cleanupTestCase()
    {
        delete box;
        box = nullptr;
    }

    void everyRegistryMemberIsSet()
    {
        const QVector<void*> members = {
            CenterViewFactory::rcLinkSubject, CenterViewFactory::subjectSettings,
            CenterViewFactory::languageSubject, CenterViewFactory::mpdoSubject,
            CenterViewFactory::subjectRclInfo, CenterViewFactory::subjectLicense,
            CenterViewFactory::subjectRclError, CenterViewFactory::subjectOscil,
            CenterViewFactory::subjectMode, CenterViewFactory::subjectOverride,
            CenterViewFactory::subjectHdl, CenterViewFactory::subjectInfoCenterInfo,
            CenterViewFactory::subjectCbs, CenterViewFactory::subjectMooring,
            CenterViewFactory::subjectFlyjibAvailable, CenterViewFactory::subjectRegenAvailable,
            CenterViewFactory::subjectRegenMode, CenterViewFactory::subjectBlockedFunction,
            CenterViewFactory::subjectEvsAvailable, CenterViewFactory::subjectEvs,
            CenterViewFactory::subjectInclination, CenterViewFactory::subjectOilTempAvailable,
            CenterViewFactory::subjectOilTemp, CenterViewFactory::subjectWinchAvailable,
            CenterViewFactory::subjectLoadAndDerate, CenterViewFactory::subjectHookWeight,
            CenterViewFactory::subjectWinchWeight, CenterViewFactory::subjectActiveStab,
            CenterViewFactory::subjectStabIndication, CenterViewFactory::subjectFunctionState,
            CenterViewFactory::subjectRclBuzzer, CenterViewFactory::subjectUiMode,
            CenterViewFactory::subjectRclMxTimeSubject, CenterViewFactory::subjectUiGeneration,
            CenterViewFactory::subjectServiceSubject, CenterViewFactory::subjectRclMxIpCamera,
            CenterViewFactory::subjectWifi, CenterViewFactory::subjectGstVideoStream,
            CenterViewFactory::subjectEpto, CenterViewFactory::subjectEvsIII,
            CenterViewFactory::subjectFrontStab, CenterViewFactory::subjectClock,
        };
        QCOMPARE(members.size(), 42);
        for (int i = 0; i < members.size(); ++i)
            QVERIFY2(members.at(i), qPrintable(QStringLiteral("registry member %1 is null").arg(i)));
        QVERIFY(CenterViewFactory::settings());
        QVERIFY(CenterViewFactory::canSubject());
        QVERIFY(CenterViewFactory::rightSideMenu());
        QVERIFY(CenterViewFactory::softButtonSubject());
        QVERIFY(CenterViewFactory::appVerSubject());
    }

    void oneMpdoClientAndOneWifiLink()
    {
        QCOMPARE(MpdoSubject::instanceCount(), 1);
        QCOMPARE(vemorRcWifiSubject::instanceCount(), 1);
        // The MPDO client is the CAN subject's only consumer.
        QCOMPARE(VemorToQt::canSubject()->getNumberOfAttachedObservers(), 1);
    }

    void applicationNamesSetAfterSettingsFile()
    {
        QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Nordel Group A/S"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Nordel - HMI for Color Display"));
        // The settings object was made before the names existed, so its file
        // does not carry them.
        const QString file = CenterViewFactory::settings()->fileName();
        QVERIFY2(!file.contains(QStringLiteral("Nordel Group")), qPrintable(file));
    }

    void startsOnTheSplash()
    {
        QCoreApplication::processEvents();
        MainWidget* main = view->appWidget()->mainWidget();
        QVERIFY(main);
        QCOMPARE(main->getCurrentState(), 4);
        QVERIFY(qobject_cast<FullScreenMessage*>(main->currentFullScreenWidget()));
    }

    void firstSyncWritesTheSubscriptions()
    {
        // Subjects observed during construction subscribe their entries; the
        // first sync, half a second after start, writes them to the controller.
        QTRY_VERIFY_WITH_TIMEOUT(CenterViewFactory::mpdoSubject->isSynced(), 5000);
        int used = 0;
        for (int k = 0; k < 20; ++k)
            used += CenterViewFactory::mpdoSubject->slot(k)->index != 0 ? 1 : 0;
        QVERIFY(used > 0);
        QVERIFY(VemorToQt::canSubject()->pendingTransmitFrames() > 0);
    }
};

QTEST_MAIN(NordelAppWidgetTest)
#include "nordelappwidgettest.moc"
