#include "SideMenu.h"

#include "ui/StyleSheets.h"
#include "ui/softButton.h"

#include "ui_SideMenu.h"

SideMenu::SideMenu(QWidget* parent, int side, unsigned int count)
    : QWidget(parent)
    , ui(new Ui::SideMenu)
    , m_side(side)
{
    ui->setupUi(this);
    for (unsigned int i = 0; i < count; ++i) {
        if (i > 0)
            ui->verticalLayout->addStretch();
        auto* b = new softButton(this, QString(), QString(), QString(), QString());
        ui->verticalLayout->addWidget(b);
        buttons.append(b);
    }
    if (side == SIDE_LEFT) {
        setSelectedStyleSheet(QStringLiteral(LABEL_ICON_SELECTED_LEFT));
        setPressedStyleSheet(QStringLiteral(LABEL_ICON_PRESSED_LEFT));
        setReleasedStylesheet(QStringLiteral(LABEL_ICON_LEFT));
        setClearedStylesheet(QStringLiteral(LABEL_ICON_CLEARED_LEFT));
    } else if (side == SIDE_RIGHT) {
        setSelectedStyleSheet(QStringLiteral(LABEL_ICON_SELECTED_RIGHT));
        setPressedStyleSheet(QStringLiteral(LABEL_ICON_PRESSED_RIGHT));
        setReleasedStylesheet(QStringLiteral(LABEL_ICON_RIGHT));
        setClearedStylesheet(QStringLiteral(LABEL_ICON_CLEARED_RIGHT));
    }
}

SideMenu::~SideMenu()
{
    delete ui;
}

softButton* SideMenu::button(int i) const
{
    return (i >= 0 && i < buttons.size()) ? buttons.at(i) : nullptr;
}

void SideMenu::setButtonActive(int i, bool active)
{
    if (softButton* b = button(i))
        b->setActive(active);
}

void SideMenu::setButtonPressed(int i, bool pressed)
{
    if (softButton* b = button(i))
        b->setPressed(pressed);
}

void SideMenu::setButtonSelected(int i, bool selected)
{
    if (softButton* b = button(i))
        b->setSelected(selected);
}

void SideMenu::setButtonLogo(int i, QPixmap pixmap)
{
    if (softButton* b = button(i))
        b->setPixmap(pixmap);
}

void SideMenu::setButtonLogo(int i, QString text)
{
    if (softButton* b = button(i))
        b->setText(text);
}

void SideMenu::clrButtonLogo(int i)
{
    if (softButton* b = button(i))
        b->clearButton();
}

void SideMenu::clrButtonLogos()
{
    for (softButton* b : buttons)
        b->clearButton();
}

void SideMenu::setSelectedStyleSheet(QString style)
{
    for (softButton* b : buttons) {
        b->setSelectedStyleSheet(style);
        b->updateButtonStyle();
    }
}

void SideMenu::setPressedStyleSheet(QString style)
{
    for (softButton* b : buttons) {
        b->setPressedStyleSheet(style);
        b->updateButtonStyle();
    }
}

void SideMenu::setReleasedStylesheet(QString style)
{
    for (softButton* b : buttons) {
        b->setReleasedStylesheet(style);
        b->updateButtonStyle();
    }
}

void SideMenu::setClearedStylesheet(QString style)
{
    for (softButton* b : buttons) {
        b->setClearedStylesheet(style);
        b->updateButtonStyle();
    }
}
