#include "views/SettingsView.h"

#include "ui/MenuLine.h"
#include "ui/SideMenu.h"
#include "views/LicenseSubject.h"

#include "ui_SettingsView.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

namespace {

constexpr LanguageSupport::translations_t TitleText = 41;
constexpr LanguageSupport::translations_t AutomaticText = 22;
constexpr LanguageSupport::translations_t ManualText = 23;
constexpr LanguageSupport::translations_t Clock12hText = 51;
constexpr LanguageSupport::translations_t Clock24hText = 27;

const char* const ScrollAreaStyle =
    "QScrollBar:vertical { width: 5px; background: white; margin: 0px; border: none; }"
    "QScrollBar::handle:vertical { background: rgb(100, 100, 100); min-height: 20px; }"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; border: none; background: none; }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: white; }";
const char* const GroupTitleStyle = "font-size:12px;";
const char* const SeparatorStyle =
    "color: #CCCCCC; margin-left: 1px; margin-right: 1px; margin-top: 0px; margin-bottom: 0px;";

// Units are shown as stored, with the masculine ordinal sign for degrees.
const QString OrdinalC = QStringLiteral("\u00BA") + QLatin1Char('C');
const QString OrdinalF = QStringLiteral("\u00BA") + QLatin1Char('F');
const QString Ordinal = QStringLiteral("\u00BA");

constexpr int ScrollMargin = 50;
// The form's margin around the lists.
constexpr int FormMargin = 3;
constexpr int NoticesScrollStep = 80;
// Hardware soft keys 4 to 7 are the right side menu's buttons 3 to 0.
constexpr unsigned int FirstRightKey = 4;
constexpr unsigned int LastRightKey = 7;

} // namespace

SettingsView::SettingsView(SideMenu* rightMenu, SettingsSubject* settings, SoftButtonSubject* softButtons,
                           EvsAvailableSubject* evsAvailable, LicenseSubject* license, ClockSubject* clock,
                           ServiceSubject* service, LanguageSubject* language, QWidget* parent)
    : CenterView(parent)
    , SettingsObserver(settings)
    , SoftButtonObserver(softButtons)
    , EvsAvailableObserver(evsAvailable)
    , LicenseObserver(license)
    , ClockObserver(clock)
    , ServiceObserver(service)
    , LanguageObserver(language)
    , ui(new Ui::SettingsView)
    , sideMenu(rightMenu)
    , licenseSubject(license)
{
    ui->setupUi(this);
    title = getText(TitleText);
    icon = QPixmap(QStringLiteral(":/images/Logoes/settings.png"));
    ui->scrollArea->setStyleSheet(QLatin1String(ScrollAreaStyle));
    ui->scrollArea_notices->setStyleSheet(QLatin1String(ScrollAreaStyle));
    // A word longer than the page (a web address) would otherwise widen the
    // label past the visible area and cut every wrapped line on the right.
    ui->label_notices->setMinimumWidth(1);
    ui->label_notices->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    ui->menuLayout->setAlignment(Qt::AlignTop);

    addMenuGroupTitle(19);
    addMenuItem(20, QStringLiteral("--"), MENU_BACKLIGHT_STRENGTH);
    addMenuItem(21, QStringLiteral("--"), MENU_BACKLIGHT_AUTO);
    addMenuItem(50, getLanguage(getActiveLanguage()), MENU_LANGUAGE);
    addMenuGroupTitle(24);
    addMenuItem(25, QStringLiteral("--:--"), MENU_CLOCK);
    addMenuItem(26, QStringLiteral("24h"), MENU_CLOCK_TYPE);
    addMenuGroupTitle(28);
    addMenuItem(29, QStringLiteral("Kg"), MENU_WEIGHT_UNIT);
    addMenuItem(30, QStringLiteral("\u00B0C"), MENU_TEMPERATURE_UNIT);
    addMenuItem(31, QStringLiteral("%"), MENU_EVS_UNIT);
    addMenuGroupTitle(32);
    addMenuItem(33, QStringLiteral("--"), MENU_ACTIVE_HOURS);
    addMenuItem(34, QStringLiteral("--"), MENU_DAYS_TO_PLANNED_SERVICE);
    addMenuItem(35, QStringLiteral("--"), MENU_HOURS_TO_SERVICE);
    addMenuItem(36, QStringLiteral("--"), MENU_HOURS_TO_OIL_SERVICE);
    addMenuGroupTitle(37);
    addMenuItem(38, QStringLiteral("1.3.2"), MENU_VERSION);
    addMenuItem(59, getVersionNumber(), MENU_TRANSLATION_VERSION);
    addMenuItem(39, QString(), MENU_NOTICES);
    addMenuLine();

    hideLayout(ui->noticesPageLayout, true);
    if (!menuLines.isEmpty())
        menuLines.first()->setSelected(true);
}

SettingsView::~SettingsView()
{
    onSuspend();
    delete ui;
}

void SettingsView::onResume()
{
    if (resumed)
        return;
    resumed = true;
    // Lines polished before they were first shown keep the look of their form;
    // styling them again once shown gives every line its real look.
    for (int i = 0; i < menuLines.size(); ++i) {
        menuLines.at(i)->setStyleSheet(QString());
        menuLines.at(i)->setSelected(i == selected);
    }
    updateSoftButtons();
    EvsAvailableObserver::attach();
    SettingsObserver::attach();
    LicenseObserver::attach();
    // The notices may have finished loading before this view existed; their
    // one notification is then long gone.
    if (licenseSubject && licenseSubject->isLoaded())
        licenseChanged(licenseSubject->getLicense());
    ClockObserver::attach();
    ServiceObserver::attach();
    SoftButtonObserver::attach();
}

void SettingsView::onSuspend()
{
    if (!resumed)
        return;
    resumed = false;
    clrSoftButtons();
    SoftButtonObserver::detach();
    SettingsObserver::detach();
    EvsAvailableObserver::detach();
    LicenseObserver::detach();
    ClockObserver::detach();
    ServiceObserver::detach();
}

bool SettingsView::event(QEvent* event)
{
    const bool handled = CenterView::event(event);
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move || event->type() == QEvent::Show)
        keepListsOnScreen();
    return handled;
}

void SettingsView::keepListsOnScreen()
{
    // The part of the view its ancestors up to the window leave in sight.
    QRect shown = rect();
    QPoint offset;
    for (const QWidget* w = this; !w->isWindow() && w->parentWidget(); w = w->parentWidget()) {
        offset += w->pos();
        shown &= w->parentWidget()->rect().translated(-offset);
    }
    if (shown.isEmpty())
        return;
    QLayout* outer = layout();
    const QMargins m = outer->contentsMargins();
    const int bottom = qMax(FormMargin, height() - 1 - shown.bottom());
    if (m.bottom() != bottom)
        outer->setContentsMargins(m.left(), m.top(), m.right(), bottom);
}

// --- Menu building

void SettingsView::addMenuGroupTitle(LanguageSupport::translations_t id)
{
    auto* label = new QLabel(ui->scrollAreaWidgetContents);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QLatin1String(GroupTitleStyle));
    registerLabel(label, id);
    ui->menuLayout->addWidget(label);
    addMenuLine();
}

void SettingsView::addMenuItem(LanguageSupport::translations_t caption, QString initial, menuPoint_t id)
{
    auto* line = new MenuLine(initial, ui->scrollAreaWidgetContents);
    line->setObjectName(QStringLiteral("menuLine%1").arg(static_cast<int>(id)));
    line->setId(id);
    registerLabel(line->getTitleLabel(), caption);
    ui->menuLayout->addWidget(line);
    menuLines.append(line);
}

void SettingsView::addMenuLine()
{
    auto* line = new QFrame(ui->scrollAreaWidgetContents);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setStyleSheet(QLatin1String(SeparatorStyle));
    ui->menuLayout->addWidget(line);
}

void SettingsView::hideLayout(QLayout* layout, bool hide)
{
    if (!layout)
        return;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (QWidget* w = item->widget())
            w->setVisible(!hide);
        else if (QLayout* inner = item->layout())
            hideLayout(inner, hide);
    }
}

MenuLine* SettingsView::menuLine(menuPoint_t id) const
{
    for (MenuLine* line : menuLines)
        if (line->getId() == id)
            return line;
    return nullptr;
}

int SettingsView::getSelectedId() const
{
    return selected >= 0 && selected < menuLines.size() ? menuLines.at(selected)->getId() : -1;
}

void SettingsView::setLineText(menuPoint_t id, QString text)
{
    if (MenuLine* line = menuLine(id))
        line->setSettingText(text);
}

QString SettingsView::lineText(menuPoint_t id) const
{
    MenuLine* line = menuLine(id);
    return line ? line->getSettingsText() : QString();
}

// --- Soft keys

void SettingsView::setSoftButton(int i, const QPixmap& pixmap)
{
    if (!sideMenu)
        return;
    sideMenu->setButtonLogo(i, pixmap);
    sideMenu->setButtonActive(i, true);
}

void SettingsView::clrSoftButton(int i)
{
    if (!sideMenu)
        return;
    sideMenu->setButtonLogo(i, QPixmap());
    sideMenu->clrButtonLogo(i);
    sideMenu->setButtonActive(i, false);
}

void SettingsView::setSelectSoftButtons()
{
    setSoftButton(0, QPixmap(QStringLiteral(":/images/arrow_up.png")));
    setSoftButton(1, QPixmap(QStringLiteral(":/images/arrow_down.png")));
    setSoftButton(2, QPixmap(QStringLiteral(":/images/select.png")));
    clrSoftButton(3);
}

void SettingsView::setNavitagionOnlySoftButtons()
{
    setSoftButton(0, QPixmap(QStringLiteral(":/images/arrow_up.png")));
    setSoftButton(1, QPixmap(QStringLiteral(":/images/arrow_down.png")));
    clrSoftButton(2);
    clrSoftButton(3);
}

void SettingsView::setClockSoftButtons()
{
    setSoftButton(0, QPixmap(QStringLiteral(":/images/arrow_up.png")));
    setSoftButton(1, QPixmap(QStringLiteral(":/images/arrow_down.png")));
    setSoftButton(2, QPixmap(QStringLiteral(":/images/plus1hour.png")));
    setSoftButton(3, QPixmap(QStringLiteral(":/images/plus1min.png")));
}

void SettingsView::clrSoftButtons()
{
    for (int i = 0; i < 4; ++i)
        clrSoftButton(i);
}

void SettingsView::updateSoftButtons()
{
    switch (getSelectedId()) {
    case MENU_CLOCK:
        setClockSoftButtons();
        break;
    case MENU_HOURS_TO_SERVICE:
    case MENU_HOURS_TO_OIL_SERVICE:
    case MENU_DAYS_TO_PLANNED_SERVICE:
    case MENU_VERSION:
    case MENU_ACTIVE_HOURS:
    case MENU_TRANSLATION_VERSION:
        setNavitagionOnlySoftButtons();
        break;
    default:
        setSelectSoftButtons();
        break;
    }
}

void SettingsView::buttonPressed(unsigned int button)
{
    if (button < FirstRightKey || button > LastRightKey)
        return;
    if (sideMenu)
        sideMenu->setButtonPressed(static_cast<int>(LastRightKey - button), true);

    if (noticesShown) {
        switch (button) {
        case 7:
            scrollNotices(-NoticesScrollStep);
            break;
        case 6:
            scrollNotices(NoticesScrollStep);
            break;
        case 5:
            closeNotices();
            break;
        default:
            break;
        }
        return;
    }
    switch (button) {
    case 7:
        menuUpPushed();
        break;
    case 6:
        menuDownPushed();
        break;
    case 5:
        menuSelected(SELECT_BUTTON);
        break;
    case 4:
        menuSelected(SECOND_BUTTON);
        break;
    default:
        break;
    }
}

void SettingsView::buttonReleased(unsigned int button)
{
    if (button < FirstRightKey || button > LastRightKey)
        return;
    if (sideMenu)
        sideMenu->setButtonPressed(static_cast<int>(LastRightKey - button), false);
}

// --- Moving through the menu

void SettingsView::selectLine(int index)
{
    if (index < 0 || index >= menuLines.size())
        return;
    if (selected >= 0 && selected < menuLines.size())
        menuLines.at(selected)->setSelected(false);
    selected = index;
    menuLines.at(selected)->setSelected(true);
    updateSoftButtons();
    ui->scrollArea->ensureWidgetVisible(menuLines.at(selected), ScrollMargin, ScrollMargin);
}

void SettingsView::menuUpPushed()
{
    if (selected <= 0) {
        // The first line's group title sits above it; bring it into view.
        ui->scrollArea->verticalScrollBar()->setValue(ui->scrollArea->verticalScrollBar()->minimum());
        return;
    }
    selectLine(selected - 1);
}

void SettingsView::menuDownPushed()
{
    if (selected >= menuLines.size() - 1)
        return;
    selectLine(selected + 1);
}

void SettingsView::menuSelected(SettingsView::selectButton_t sel)
{
    const int id = getSelectedId();
    if (sel == SECOND_BUTTON) {
        if (id == MENU_CLOCK)
            addMin();
        return;
    }
    if (sel != SELECT_BUTTON)
        return;
    switch (id) {
    case MENU_BACKLIGHT_AUTO:
        toggleBacklightAuto();
        break;
    case MENU_BACKLIGHT_STRENGTH:
        stepBacklightStrength();
        break;
    case MENU_WEIGHT_UNIT:
        toggleWeightUnit();
        break;
    case MENU_TEMPERATURE_UNIT:
        toggleTemperatureUnit();
        break;
    case MENU_EVS_UNIT:
        toggleEvsUnit();
        break;
    case MENU_CLOCK_TYPE:
        toggleClockType();
        break;
    case MENU_LANGUAGE:
        nextLanguage();
        break;
    case MENU_NOTICES:
        openNotices();
        break;
    case MENU_CLOCK:
        addHour();
        break;
    default:
        break;
    }
}

// --- Actions

void SettingsView::toggleBacklightAuto()
{
    setBacklightAuto(!storedAuto);
}

void SettingsView::stepBacklightStrength()
{
    if (storedAuto)
        return;
    // Steps of 20 and round again to the dimmest step.
    unsigned int next = (static_cast<unsigned int>(storedStrength) + 20u) % 256u;
    if (next > 100u)
        next = 20u;
    storedStrength = static_cast<unsigned char>(next);
    setBacklightStrength(storedStrength);
}

void SettingsView::toggleWeightUnit()
{
    setWeightUnittype(lineText(MENU_WEIGHT_UNIT) == QLatin1String("Kg") ? UNIT_LB : UNIT_KG);
}

void SettingsView::toggleTemperatureUnit()
{
    setTempratureUnittype(lineText(MENU_TEMPERATURE_UNIT) == OrdinalC ? UNIT_FAHRENHEIT : UNIT_CELSIUS);
}

void SettingsView::toggleEvsUnit()
{
    setEvsUnittype(lineText(MENU_EVS_UNIT) == Ordinal ? UNIT_PERCENT : UNIT_DEGREES);
}

void SettingsView::toggleClockType()
{
    setClockType(storedClockType == CLOCK_12H ? CLOCK_24H : CLOCK_12H);
}

void SettingsView::nextLanguage()
{
    int next = getActiveLanguage() + 1;
    if (next >= getNumberOfLanguages())
        next = 0;
    setLanguage(next);
}

void SettingsView::openNotices()
{
    hideLayout(ui->menuPageLayout, true);
    hideLayout(ui->noticesPageLayout, false);
    noticesShown = true;
}

void SettingsView::closeNotices()
{
    hideLayout(ui->noticesPageLayout, true);
    hideLayout(ui->menuPageLayout, false);
    noticesShown = false;
}

void SettingsView::scrollNotices(int pixels)
{
    QScrollBar* bar = ui->scrollArea_notices->verticalScrollBar();
    bar->setValue(bar->value() + pixels);
}

// --- Notifications

void SettingsView::showBacklightMode()
{
    setLineText(MENU_BACKLIGHT_AUTO, getText(storedAuto ? AutomaticText : ManualText));
}

void SettingsView::showBacklightStrength()
{
    setLineText(MENU_BACKLIGHT_STRENGTH,
                storedAuto ? QStringLiteral("--") : QString::number(storedStrength) + QLatin1Char('%'));
}

void SettingsView::showClockType()
{
    if (storedClockType == CLOCK_12H)
        setLineText(MENU_CLOCK_TYPE, getText(Clock12hText));
    else if (storedClockType == CLOCK_24H)
        setLineText(MENU_CLOCK_TYPE, getText(Clock24hText));
}

void SettingsView::showLanguage()
{
    setLineText(MENU_LANGUAGE, getLanguage(getActiveLanguage()));
}

void SettingsView::backlightAutoChanged(bool automatic)
{
    storedAuto = automatic;
    showBacklightMode();
    showBacklightStrength();
}

void SettingsView::backlightStrengthChanged(unsigned char strength)
{
    storedStrength = strength;
    showBacklightStrength();
}

void SettingsView::weightUnittypeChanged(unit_t t)
{
    QString text = QStringLiteral("?");
    if (t == UNIT_KG)
        text = QStringLiteral("Kg");
    else if (t == UNIT_LB)
        text = QStringLiteral("lb");
    setLineText(MENU_WEIGHT_UNIT, text);
}

void SettingsView::tempratureUnittypeChanged(unit_t t)
{
    QString text = QStringLiteral("?");
    if (t == UNIT_CELSIUS)
        text = OrdinalC;
    else if (t == UNIT_FAHRENHEIT)
        text = OrdinalF;
    setLineText(MENU_TEMPERATURE_UNIT, text);
}

void SettingsView::evsUnittypeChanged(unit_t t)
{
    QString text = QStringLiteral("?");
    if (t == UNIT_PERCENT)
        text = QStringLiteral("%");
    else if (t == UNIT_DEGREES)
        text = Ordinal;
    setLineText(MENU_EVS_UNIT, text);
}

void SettingsView::clockTypeChanged(clocktype_t t)
{
    storedClockType = t;
    showClockType();
}

void SettingsView::clockStringChanged(QString text)
{
    setLineText(MENU_CLOCK, text);
}

void SettingsView::opearionHoursToNextServiceStringChanged(QString text)
{
    setLineText(MENU_HOURS_TO_SERVICE, text);
}

void SettingsView::opearionHoursToNextOilServiceStringChanged(QString text)
{
    setLineText(MENU_HOURS_TO_OIL_SERVICE, text);
}

void SettingsView::daysToNextPlannedServiceStringChanged(QString text)
{
    setLineText(MENU_DAYS_TO_PLANNED_SERVICE, text);
}

void SettingsView::activeHoursChanged(QString text)
{
    setLineText(MENU_ACTIVE_HOURS, text);
}

void SettingsView::licenseChanged(QString text)
{
    ui->label_notices->setText(text);
}

void SettingsView::languageChanged()
{
    showBacklightMode();
    showClockType();
    showLanguage();
    QWidget::update();
}
