#include "MenuLine.h"

#include "ui/StyleSheets.h"

#include "ui_MenuLine.h"

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

void MenuLine::paintEvent(QPaintEvent* event)
{
    // A plain QWidget ignores its style sheet background unless it draws the primitive itself.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    QWidget::paintEvent(event);
}
