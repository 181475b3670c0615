#include "softButton.h"

#include "ui/StyleSheets.h"

#include "ui_softButton.h"

softButton::softButton(QWidget* parent, QString selected, QString pressed, QString released, QString cleared)
    : QWidget(parent)
    , ui(new Ui::softButton)
    , selectedStyle(selected.isEmpty() ? QStringLiteral(LABEL_ICON_SELECTED) : selected)
    , pressedStyle(pressed.isEmpty() ? QStringLiteral(LABEL_ICON_PRESSED) : pressed)
    , releasedStyle(released.isEmpty() ? QStringLiteral(LABEL_ICON) : released)
    , clearedStyle(cleared.isEmpty() ? QStringLiteral(LABEL_ICON_CLEARED) : cleared)
{
    ui->setupUi(this);
    setStyle(clearedStyle);
}

softButton::~softButton()
{
    delete ui;
}

QLabel* softButton::label() const
{
    return ui->label;
}

void softButton::setActive(bool a)
{
    m_active = a;
    updateButtonStyle();
}

void softButton::setPressed(bool p)
{
    m_pressed = p;
    updateButtonStyle();
}

void softButton::setSelected(bool s)
{
    m_selected = s;
    updateButtonStyle();
}

void softButton::setSelectedStyleSheet(QString style)
{
    selectedStyle = style;
}

void softButton::setPressedStyleSheet(QString style)
{
    pressedStyle = style;
}

void softButton::setReleasedStylesheet(QString style)
{
    releasedStyle = style;
}

void softButton::setClearedStylesheet(QString style)
{
    clearedStyle = style;
}

void softButton::setPixmap(QPixmap pixmap)
{
    ui->label->setPixmap(pixmap);
}

void softButton::setText(QString text)
{
    ui->label->setText(text);
}

void softButton::setStyle(QString style)
{
    // Re-applying an identical style sheet still re-polishes the widget; skip it.
    if (ui->label->styleSheet() != style)
        ui->label->setStyleSheet(style);
}

void softButton::clearButton()
{
    ui->label->setText(QStringLiteral(" "));
}

void softButton::updateButtonStyle()
{
    if (!m_active)
        setStyle(clearedStyle);
    else if (m_pressed)
        setStyle(pressedStyle);
    else if (m_selected)
        setStyle(selectedStyle);
    else
        setStyle(releasedStyle);
}
