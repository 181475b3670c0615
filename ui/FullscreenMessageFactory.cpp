#include "FullscreenMessageFactory.h"

#include "app/CenterViewFactory.h"
#include "model/LanguageSubject.h"
#include "platform/AppVersionOberver.h"
#include "ui/FullScreenMessage.h"
#include "ui/Icons.h"

#include <QLayout>

namespace {

// The no-signal screen has no title line.
const char* const NO_RADIO_TITLE = "";

QString text(int id)
{
    if (CenterViewFactory::languageSubject)
        return CenterViewFactory::languageSubject->getText(id);
    if (LanguageSubject::languageSupport)
        return LanguageSubject::languageSupport->getText(id);
    return QStringLiteral("LanguageSupport class not constructed!");
}

QString version()
{
    return QString::fromLatin1(AppVersionOberver::ApplicationVersion);
}

} // namespace

FullScreenMessage* FullscreenMessageFactory::makeFullscreenMessage(fullscreenMessage_id id,
                                                                   uiGenerations_t generation)
{
    if (static_cast<int>(id) < FULLSCREEN_SPLASH || static_cast<int>(id) > FULLSCREEN_OVERRIDE)
        return nullptr;
    auto* m = new FullScreenMessage(nullptr);
    // Lay the message out once so the icon is scaled to its real label size.
    m->layout()->activate();
    switch (id) {
    case FULLSCREEN_SPLASH:
        m->setIcon(QPixmap(QStringLiteral(":/images/nordel_logo.jpg")));
        m->setSplashScreenText(text(1), text(0) + QLatin1Char(' ') + version() + QLatin1Char('\n') + text(2));
        m->enableSpinner(true);
        break;
    case FULLSCREEN_NO_SIGNAL:
        m->setIcon(QPixmap(QStringLiteral(":/images/Logoes/no_signal_135x135.png")));
        m->setNoSignalText(QString::fromLatin1(NO_RADIO_TITLE), text(3));
        m->enableSpinner(true);
        break;
    case FULLSCREEN_SYNC_REQUEST:
        m->setIcon(QPixmap(QStringLiteral(":/images/Logoes/sync.png")));
        m->setSyncReqText(text(60), text(5) + QStringLiteral("\n1.") + text(6) + QStringLiteral("\n2.") + text(7)
                              + QStringLiteral("\n3.") + text(8) + QStringLiteral("\n4.") + text(9));
        break;
    case FULLSCREEN_RCL_UPDATE:
        m->setIcon(QPixmap(QStringLiteral(":/images/Logoes/ROVA7_white.png")));
        m->setRclUpdateText(text(11), text(12) + QLatin1Char('\n') + text(15) + QLatin1Char(' ') + version());
        break;
    case FULLSCREEN_DISPLAY_UPDATE:
        m->setIcon(QPixmap(QStringLiteral(":/images/Logoes/Display_White.png")));
        m->setDisplayUpdateText(text(13), text(14) + QLatin1Char('\n') + text(15) + QLatin1Char(' ') + version());
        break;
    case FULLSCREEN_SLEEP:
        m->setIconOnly(Icons::getIcons(generation, ICON_SLEEP));
        break;
    case FULLSCREEN_STOP:
        m->setIconOnly(Icons::getIcons(generation, ICON_STOP));
        break;
    case FULLSCREEN_ERROR:
        m->setIconOnly(Icons::getIcons(generation, ICON_OVERRIDEABLE_ERROR));
        break;
    case FULLSCREEN_OVERRIDE:
        m->setIconOnly(Icons::getIcons(generation, ICON_OVERRIDE));
        break;
    }
    return m;
}
