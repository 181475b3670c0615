#include "ControllerSimulator.h"
#include "CraneModel.h"

#include "app/ApplicationStartup.h"
#include "app/CenterViewFactory.h"
#include "app/VemorToQt.h"
#include "app/nordelappwidget.h"
#include "can/MpdoSubject.h"
#include "core/SettingsSubject.h"
#include "model/LanguageSubject.h"
#include "model/UiModeSubject.h"
#include "support/TestSandbox.h"
#include "ui/BarTextFit.h"
#include "ui/CenterView.h"
#include "ui/EvsIIINotification.h"
#include "ui/MainWidget.h"
#include "ui/MenuLine.h"
#include "ui/ModeWidget.h"
#include "ui/StyleSheets.h"
#include "views/Infoview.h"
#include "views/SettingsView.h"

#include "Configuration.h"
#include "VemorPlatform.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QProgressBar>
#include <QScrollArea>
#include <QStyleOptionProgressBar>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtTest>

#include <cmath>
#include <functional>
#include <memory>

namespace {

constexpr int TextIds = LanguageSupport::MinimumTranslations;
const char* const PseudoLanguage = "Pseudo +30%";

QString tableSource()
{
    return qEnvironmentVariable("NORDEL_SOURCE_DIR") + QStringLiteral("/tools/translations/LumoraTranslations.csv");
}

// Each English text lengthened by 30 % (rounded up) with a letter as wide
// as an average one, so a new text shows where it will not fit once
// translated, before any translation exists.
QString pseudo(const QString& english)
{
    const int extra = int(std::ceil(english.size() * 0.3));
    return english + QString(extra, QChar(0x00F6));
}

// The shipped table with the pseudo-language as one more column.
QByteArray tableWithPseudoLanguage(const QByteArray& shipped)
{
    QList<QByteArray> lines = shipped.split('\n');
    for (int i = 1; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        const QString line = QString::fromUtf8(lines[i]);
        const QString added
            = i == 1 ? QString::fromLatin1(PseudoLanguage) : pseudo(line.section(QLatin1Char(';'), 1, 1));
        lines[i] = (line + QLatin1Char(';') + added).toUtf8();
    }
    return lines.join('\n');
}

// The widest values the display can be given.
const std::vector<std::pair<const char*, double>>& widestValues()
{
    static const std::vector<std::pair<const char*, double>> v = {
        {"mode", 1}, {"driver.version", 3}, {"radio.paired", 1}, {"error", 0}, {"error.alt", 0}, {"override", 0},
        {"crane.load", 255}, {"flyjib.load", 255}, {"winch.load", 255}, {"evs.load", 255},
        {"crane.strength", 100}, {"flyjib.strength", 100}, {"winch.strength", 100}, {"hdl.level", 100},
        {"flyjib.available", 1}, {"winch.available", 1}, {"frontstab.available", 1}, {"frontstab.load", 255},
        {"evs.available", 1}, {"evs.x.pct", -100}, {"evs.y.pct", -100}, {"evs.calibration", 100},
        {"oil.available", 1}, {"oil.temp", 120}, {"hook.weight", 65535}, {"winch.weight", 65535},
        {"regeneration.available", 1}, {"regeneration.mode", 2}, {"serial", 4294967295.0},
        {"service.days", 65535}, {"service.hours", 65535}, {"service.oil", 65535}, {"active.hours", 65535},
        {"cbs", 1}, {"mooring", 1}, {"infocentre.top", 48}, {"infocentre.bottom", 10}, {"slm.load", 100},
        {"epto.available", 1}, {"epto.active", 1}, {"epto.battery", 100}, {"stab.side", 0},
        {"clock", 1717278900},
    };
    return v;
}

} // namespace

// Every text of the composed display, in every shipped language and in a
// pseudo-language 30 % longer than English, at the widest values: measured
// with each widget's own font against the room it has.
class TextFitTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TestSandbox> sandbox;
    CraneModel model;
    QStringList misfits;
    QString scene;

    static MainWidget* mainWidget() { return VemorToQt::intance->appWidget()->mainWidget(); }
    static ModeWidget* modeWidget() { return VemorToQt::intance->findChild<ModeWidget*>(); }

    // Posted events only: notifications and layouts run, timers (watchdogs,
    // fades, blinking) do not, so the test never waits for the clock.
    static void settle()
    {
        for (int i = 0; i < 20; ++i)
            QCoreApplication::sendPostedEvents();
    }

    // Every subscribed entry, as the controller would send it; a few rounds,
    // since some subjects subscribe only once another value has come.
    void deliver()
    {
        for (int round = 0; round < 3; ++round)
            deliverOnce();
    }

    void deliverOnce()
    {
        for (int k = 0; k < MpdoSubject::NumberOfEntries; ++k) {
            const MpdoSubject::mpdoEntry_t* e = CenterViewFactory::mpdoSubject->slot(k);
            unsigned int value = 0;
            if (!e || !e->index || !model.entryValue(e->index, e->subIndex, value))
                continue;
            canMessage m;
            m.id = ControllerSimulator::MpdoId;
            m.len = 8;
            ControllerSimulator::encodeFrame(e->index, e->subIndex, value, m.data);
            CenterViewFactory::mpdoSubject->newCanMessage(&m);
        }
        settle();
    }

    void set(const char* quantity, double value) { model.set(QLatin1String(quantity), value); }

    // The text id a text comes from: the longest table text it contains.
    static QString textIdOf(const QString& text)
    {
        int best = -1;
        int bestLength = 0;
        for (int id = 0; id < TextIds; ++id) {
            const QString t = LanguageSubject::languageSupport->getText(id);
            if (t.size() > bestLength && text.contains(t)) {
                best = id;
                bestLength = t.size();
            }
        }
        return best < 0 ? QStringLiteral("value") : QStringLiteral("text %1").arg(best);
    }

    static QString pathOf(const QWidget* w)
    {
        QStringList names;
        for (; w && !w->isWindow(); w = w->parentWidget()) {
            if (!w->objectName().isEmpty())
                names.prepend(w->objectName());
        }
        return names.join(QLatin1Char('/'));
    }

    void misfit(const QWidget* w, const QString& text, const QString& why)
    {
        misfits << QStringLiteral("%1, %2: %3 (%4) \"%5\": %6")
                       .arg(LanguageSubject::languageSupport->getLanguage(
                                LanguageSubject::languageSupport->getActiveLanguage()),
                            scene, pathOf(w), textIdOf(text), text, why);
    }

    void checkLabel(QLabel* l)
    {
        const QString text = l->text();
        if (text.trimmed().isEmpty())
            return;
        const QRect room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        const QFontMetrics fm(l->font());
        if (l->wordWrap()) {
            // Wrapped: every word on a line of its own at worst, all lines
            // within the height.
            const bool rich = Qt::mightBeRichText(text);
            if (!rich) {
                for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
                    if (fm.horizontalAdvance(word) > room.width())
                        misfit(l, text,
                               QStringLiteral("the word \"%1\" needs %2 px of %3")
                                   .arg(word)
                                   .arg(fm.horizontalAdvance(word))
                                   .arg(room.width()));
                }
            }
            const int needed = l->heightForWidth(l->width());
            if (needed > l->height())
                misfit(l, text, QStringLiteral("wrapped, needs %1 px height of %2").arg(needed).arg(l->height()));
            return;
        }
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (const QString& line : lines) {
            const int needed = fm.horizontalAdvance(line);
            if (needed > room.width())
                misfit(l, text, QStringLiteral("needs %1 px of %2").arg(needed).arg(room.width()));
        }
        const int ink = lines.size() == 1 ? fm.tightBoundingRect(text).height() : fm.lineSpacing() * lines.size();
        if (ink > room.height())
            misfit(l, text, QStringLiteral("needs %1 px height of %2").arg(ink).arg(room.height()));
    }

    void checkBar(QProgressBar* b)
    {
        const QString text = b->text();
        if (!b->isTextVisible() || text.trimmed().isEmpty())
            return;
        QStyleOptionProgressBar opt;
        opt.initFrom(b);
        opt.minimum = b->minimum();
        opt.maximum = b->maximum();
        opt.progress = b->value();
        opt.text = text;
        opt.textVisible = true;
        opt.textAlignment = b->alignment();
        opt.orientation = b->orientation();
        const QRect room = b->style()->subElementRect(QStyle::SE_ProgressBarContents, &opt, b);
        const QFontMetrics fm(b->font());
        // A bar's text must not touch its frame.
        const int needed = fm.horizontalAdvance(text) + 2 * BarTextFit::Clearance;
        if (needed > room.width())
            misfit(b, text, QStringLiteral("needs %1 px of %2").arg(needed).arg(room.width()));
        if (fm.tightBoundingRect(text).height() > room.height())
            misfit(b, text,
                   QStringLiteral("needs %1 px height of %2").arg(fm.tightBoundingRect(text).height()).arg(room.height()));
    }

    // Every text the screen shows right now.
    void checkScreen(const QString& name)
    {
        scene = name;
        settle();
        QWidget* screen = VemorToQt::intance;
        for (QWidget* w : screen->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->width() <= 0)
                continue;
            if (auto* l = qobject_cast<QLabel*>(w))
                checkLabel(l);
            else if (auto* b = qobject_cast<QProgressBar*>(w))
                checkBar(b);
        }
    }

    // Selects a view of the menu with the soft keys, paging as an operator
    // would; false when the menu does not offer it.
    static bool selectFromMenu(ModeWidget* mw, centerViewType_t type)
    {
        for (int page = 0; page < 3; ++page) {
            const ModeWidget::centerViewCollection_t* c = mw->getActiveCollection();
            const int buttons = mw->canSwapMenu() ? ModeWidget::SwapButton : ModeWidget::MenuButtons;
            for (int b = 0; b < buttons; ++b) {
                const int i = int(c->pageOffset) + b;
                if (i < c->views.size() && c->views.at(i) == type) {
                    mw->handleButtonPress(unsigned(b));
                    return true;
                }
            }
            if (!mw->canSwapMenu())
                return false;
            mw->handleButtonPress(ModeWidget::SwapButton);
        }
        return false;
    }

    // A centre view in the place the mode widget gives it: chosen from the
    // menu, or, for a view the menu does not offer in this mode, put in the
    // same place with the menu's view hidden.
    // Where a label draws its one line of text, in w's coordinates.
    static QRect textRect(const QLabel* l, const QWidget* w)
    {
        const QRect room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        const QFontMetrics fm(l->font());
        QRect r = l->style()->itemTextRect(fm, room, int(l->alignment()), true, l->text());
        r.setWidth(fm.horizontalAdvance(l->text()));
        return QRect(l->mapTo(w, r.topLeft()), r.size());
    }

    // Every line of the settings list that shows in its viewport: title and
    // value apart by a clear gap, both whole, the line within the viewport;
    // the selected line shows whole on the screen.
    void checkMenuLines(QWidget* view, const QString& name)
    {
        scene = name;
        auto* area = view->findChild<QScrollArea*>(QStringLiteral("scrollArea"));
        QVERIFY(area);
        QWidget* port = area->viewport();
        // What of the viewport the screen shows (a view taller than the
        // room beside the menus is cut at the bottom).
        const QRect shown = QRect(port->mapTo(VemorToQt::intance, QPoint(0, 0)), port->size())
                                .intersected(VemorToQt::intance->rect());
        for (MenuLine* line : view->findChildren<MenuLine*>()) {
            const QRect onPort(line->mapTo(port, QPoint(0, 0)), line->size());
            if (!line->isVisible() || !onPort.intersects(port->rect()))
                continue;
            QLabel* title = line->getTitleLabel();
            QLabel* value = line->getSettingsLabel();
            const QRect t = textRect(title, line);
            const QRect v = textRect(value, line);
            if (!title->text().isEmpty() && !value->text().isEmpty() && v.left() - t.right() - 1 < MenuLine::CaptionGap)
                misfit(line, title->text() + QLatin1Char('|') + value->text(),
                       QStringLiteral("title and value %1 px apart").arg(v.left() - t.right() - 1));
            if (onPort.right() > port->rect().right())
                misfit(line, title->text(), QStringLiteral("line wider than the list"));
            const bool selected = line->styleSheet() == QLatin1String(STYLE_SELECTED);
            const QRect onScreen(line->mapTo(VemorToQt::intance, QPoint(0, 0)), line->size());
            if (selected && !shown.contains(onScreen))
                misfit(line, title->text(), QStringLiteral("selected, not whole on the screen"));
        }
    }

    void checkView(centerViewType_t type, const QString& name, std::function<void(CenterView*)> fill = nullptr)
    {
        ModeWidget* mw = modeWidget();
        CenterView* view = nullptr;
        std::unique_ptr<CenterView> own;
        CenterView* hidden = nullptr;
        if (selectFromMenu(mw, type)) {
            view = mw->getCurrentView();
        } else {
            auto* center = mw->findChild<QVBoxLayout*>(QStringLiteral("verticalLayout_Center"));
            QVERIFY(center);
            hidden = mw->getCurrentView();
            if (hidden)
                hidden->hide();
            own.reset(CenterViewFactory::makeCenterView(type));
            view = own.get();
            QVERIFY(view);
            center->addWidget(view);
            view->showWidget();
        }
        QVERIFY(view);
        // The view's subjects subscribe their entries as it attaches.
        deliver();
        if (fill)
            fill(view);
        checkScreen(name);
        own.reset();
        if (hidden)
            hidden->show();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(ApplicationStartup::loadResourcesAndFont());
        sandbox = std::make_unique<TestSandbox>();
        sandbox->writeStub(QStringLiteral("sync"), "exit 0\n");
        QFile shipped(tableSource());
        QVERIFY2(shipped.open(QIODevice::ReadOnly), qPrintable(tableSource()));
        sandbox->writeFile(LanguageSupport::tablePath(), tableWithPseudoLanguage(shipped.readAll()));

        auto* config = new Configuration;
        config->init();
        VemorPlatform* platform = VemorPlatform::instance();
        platform->setConfiguration(config);
        QVERIFY(VemorToQt::intance);
        VemorToQt::intance->setAttribute(Qt::WA_DontShowOnScreen);
        VemorToQt::intance->resize(480, 272);
        VemorToQt::intance->show();
        platform->setRadio(false, 200);
        platform->setBattery(255);
        // The widest units: pounds (six digits), degrees Fahrenheit, a
        // clock with am/pm.
        CenterViewFactory::subjectSettings->setWeightUnitType(UNIT_LB);
        CenterViewFactory::subjectSettings->setTempUnitType(UNIT_FAHRENHEIT);
        CenterViewFactory::subjectSettings->setClockType(CLOCK_12H);
        for (const auto& v : widestValues())
            set(v.first, v.second);
        deliver();
        QCOMPARE(mainWidget()->getCurrentState(), int(UiModeSubject::UI_CRANE));
    }

    void cleanupTestCase() { sandbox.reset(); }

    void embeddedFaceServesTheDesignFamily()
    {
        QCOMPARE(QFontInfo(QApplication::font()).family(), QString::fromLatin1(ApplicationStartup::EmbeddedFamily));
        QCOMPARE(QFontInfo(QFont(QStringLiteral("Segoe UI"), 10)).family(),
                 QString::fromLatin1(ApplicationStartup::EmbeddedFamily));
    }

    void shippedTableHasEightLanguagesInTheirOwnNames()
    {
        LanguageSupport* table = LanguageSubject::languageSupport;
        QVERIFY(table);
        QVERIFY(table->getNumberOfLanguages() >= 9); // eight and the pseudo-language
        QStringList names;
        for (int i = 0; i < table->getNumberOfLanguages(); ++i)
            names << table->getLanguage(i);
        for (const char* own :
             {"English", "Deutsch", "Français", "Español", "Italiano", "Nederlands", "Svenska", "Polski"})
            QVERIFY2(names.contains(QString::fromUtf8(own)), own);
    }

    void everyTextFits_data()
    {
        QTest::addColumn<int>("language");
        LanguageSupport* table = LanguageSubject::languageSupport;
        for (int i = 0; table && i < table->getNumberOfLanguages(); ++i)
            QTest::newRow(qPrintable(table->getLanguage(i))) << i;
    }

    void everyTextFits()
    {
        QFETCH(int, language);
        misfits.clear();
        CenterViewFactory::languageSubject->languageChanged(language);
        for (const auto& v : widestValues())
            set(v.first, v.second);
        deliver();
        QCOMPARE(mainWidget()->getCurrentState(), int(UiModeSubject::UI_CRANE));

        // Operating screen: every centre view beside the menus, under the
        // crowded status bar.
        checkView(HDL_VIEW, QStringLiteral("HDL view with flyjib and winch"));
        checkView(EVS_VIEW, QStringLiteral("EVS view"));
        checkView(OVERVIEW_VIEW, QStringLiteral("overview"), [](CenterView* v) {
            // A wide value must not push its bar out of line with the others.
            QSet<int> barStarts;
            for (QProgressBar* b : v->findChildren<QProgressBar*>()) {
                if (b->isVisible() && b->objectName() != QLatin1String("progressBar_right"))
                    barStarts << b->mapTo(v, QPoint(0, 0)).x();
            }
            QVERIFY2(barStarts.size() == 1, "the overview's bars do not start in one line");
        });
        checkView(SETTINGS_VIEW, QStringLiteral("settings"), [this](CenterView* v) {
            auto* s = static_cast<SettingsView*>(v);
            s->backlightAutoChanged(false);
            s->backlightStrengthChanged(100);
            // Down the whole list and up again, as an operator scrolls it:
            // each line selected in turn, the others around it as shown.
            const int lines = s->numberOfMenuLines();
            for (int step = 0; step < 2 * lines; ++step) {
                const unsigned int key = step < lines ? 6 : 7;
                if (step > 0) {
                    s->buttonPressed(key);
                    s->buttonReleased(key);
                }
                const QString at = QStringLiteral("settings, line %1 selected").arg(s->getSelectedIndex());
                checkScreen(at);
                checkMenuLines(s, at);
            }
        });
        checkView(STABILIZE_VIEW, QStringLiteral("stabilize view"));
        checkView(INFO_VIEW, QStringLiteral("info view"), [](CenterView* v) {
            auto* info = static_cast<Infoview*>(v);
            for (unsigned int i = 0; i < 40; ++i)
                info->buttonStateChanged(i, true);
            for (int n = 0; n < 8; ++n)
                info->leverPositionChanged(static_cast<unsigned char>(n), -100);
            info->wifiSignalQualityChanged(100);
            info->wifiIpChanged(QStringLiteral("255.255.255.255"));
        });
        checkView(CAMERA_VIEW, QStringLiteral("camera view"));
        set("flyjib.available", 0);
        set("winch.available", 0);
        deliver();
        checkView(HDL_VIEW, QStringLiteral("HDL view, crane only"));
        set("flyjib.available", 1);
        set("winch.available", 1);
        deliver();
        // The crane bar takes its beside-the-others text with the next
        // change of the crane load, which on a working crane comes at once.
        set("crane.load", 254);
        deliver();
        set("crane.load", 255);
        deliver();

        // The EVS III guidance over the operating screen.
        EvsIIINotification* guide = modeWidget()->getEvsIIINotification();
        for (int id = 42; id <= 49; ++id) {
            guide->userGuideTextChanged(true, LanguageSubject::languageSupport->getText(id));
            checkScreen(QStringLiteral("EVS III guide"));
        }
        guide->hide();

        // Full-screen messages, with the longest codes and countdown.
        MainWidget* main = mainWidget();
        main->errorCodeChanged(65535);
        main->altCodeChanged(255);
        main->overrideActive(true, 255000);
        const std::pair<UiModeSubject::uiState_t, const char*> messages[] = {
            {UiModeSubject::UI_NOT_PAIRED, "pairing"},          {UiModeSubject::UI_RCL_UPDATE, "controller update"},
            {UiModeSubject::UI_NO_SIGNAL, "no signal"},         {UiModeSubject::UI_DISPLAY_UPDATE, "display update"},
            {UiModeSubject::UI_INIT, "splash"},                 {UiModeSubject::UI_OVERRIDE, "override"},
            {UiModeSubject::UI_ERROR, "error"},
        };
        for (const auto& m : messages) {
            main->changeView(m.first);
            checkScreen(QString::fromLatin1(m.second));
        }
        main->changeView(UiModeSubject::UI_CRANE);
        settle();

        // QtTest cuts long messages: one line each, then the count.
        for (const QString& m : misfits)
            qWarning("%s", qPrintable(m));
        QVERIFY2(misfits.isEmpty(), qPrintable(QStringLiteral("%1 texts do not fit").arg(misfits.size())));
    }
};

QTEST_MAIN(TextFitTest)
#include "textfittest.moc"
