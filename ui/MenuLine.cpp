#include "MenuLine.h"

#include "app/ApplicationStartup.h"
#include "ui/BarTextFit.h"
#include "ui/StyleSheets.h"

#include "ui_MenuLine.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStyleOption>

MenuLine::MenuLine(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::MenuLine)
{
    setUp();
    ui->name->setText(QString());
    ui->name->setMargin(0);
    ui->setting->setMargin(0);
}

MenuLine::MenuLine(QString setting, QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::MenuLine)
{
    setUp();
    ui->setting->setText(setting);
}

void MenuLine::setUp()
{
    ui->setupUi(this);
    setContentsMargins(0, 0, 0, 0);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral(STYPE_DESELECTED));
    // The gap belongs to the title, so the values of short titles keep
    // their column.
    ui->name->setContentsMargins(0, 0, CaptionGap, 0);
    built = true;
}

MenuLine::~MenuLine()
{
    delete ui;
}

void MenuLine::setTitleText(QString text)
{
    ui->name->setText(text);
}

void MenuLine::setSettingText(QString text)
{
    ui->setting->setText(text);
}

QString MenuLine::getSettingsText() const
{
    return ui->setting->text();
}

QLabel* MenuLine::getTitleLabel() const
{
    return ui->name;
}

QLabel* MenuLine::getSettingsLabel() const
{
    return ui->setting;
}

void MenuLine::setSelected(bool selected)
{
    const QString style = selected ? QStringLiteral(STYLE_SELECTED) : QStringLiteral(STYPE_DESELECTED);
    if (styleSheet() != style)
        setStyleSheet(style);
}

bool MenuLine::event(QEvent* event)
{
    switch (built ? event->type() : QEvent::None) {
    case QEvent::Resize:
    case QEvent::LayoutRequest:
    case QEvent::StyleChange:
    case QEvent::Show:
        // Texts, style (the selected font) and width decide the fit; each of
        // them changing ends in one of these events.
        fitTitle();
        fitHeight();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void MenuLine::fitTitle()
{
    QLabel* title = ui->name;
    const QString text = title->text();
    const QFont current = title->font();
    const QString condensedFamily = QString::fromLatin1(ApplicationStartup::CondensedFamily);
    const bool condensed = current.family() == condensedFamily;
    QFont normal = current;
    normal.setFamily(font().family());
    normal.setStretch(font().stretch());
    // Everything of the title's width but the text: margins, the gap.
    const int frame = title->sizeHint().width() - QFontMetrics(current).horizontalAdvance(text);
    const int room = contentsRect().width() - ui->setting->sizeHint().width() - frame;
    int stretch = 100;
    if (!text.isEmpty() && room > 0 && QFontMetrics(normal).horizontalAdvance(text) > room) {
        stretch = ApplicationStartup::CondensedStretch;
        while (stretch > BarTextFit::NarrowestStretch
               && QFontMetrics(BarTextFit::narrowed(normal, stretch)).horizontalAdvance(text) > room)
            --stretch;
    }
    if (stretch == (condensed ? current.stretch() : 100))
        return;
    if (stretch == 100) {
        // Inherit again: the size stays the style sheet's.
        title->setFont(QFont());
        return;
    }
    QFont narrow;
    narrow.setFamily(condensedFamily);
    narrow.setStretch(stretch);
    title->setFont(narrow);
}

void MenuLine::fitHeight()
{
    // Accented capitals and descenders of the languages shown.
    const QString probe = QStringLiteral("\u00C5\u00C9\u00DC\u015A\u017B\u00C7gjpqy");
    int ink = QFontMetrics(ui->name->font()).tightBoundingRect(probe).height();
    // The selected style leaves the size to the font the line inherits.
    if (parentWidget())
        ink = qMax(ink, QFontMetrics(parentWidget()->font()).tightBoundingRect(probe).height());
    // The selected style's padding above and below.
    const int needed = qBound(minimumHeight(), ink + 2, maximumHeight());
    if (needed > minimumHeight())
        setMinimumHeight(needed);
}

void MenuLine::paintEvent(QPaintEvent* event)
{
    // A plain QWidget ignores its style sheet background unless it draws the primitive itself.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    QWidget::paintEvent(event);
}
