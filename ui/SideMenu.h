#pragma once

#include <QList>
#include <QPixmap>
#include <QString>
#include <QWidget>

class softButton;
namespace Ui {
class SideMenu;
}

// The four soft-key labels along one edge of the screen. The mode widget and
// the settings view decide what they show; keys arrive through the
// soft-button subject, not through this widget.
class SideMenu : public QWidget {
    Q_OBJECT
public:
    enum side_t { SIDE_LEFT = 0, SIDE_RIGHT = 1 };

    SideMenu(QWidget* parent, int side, unsigned int count);
    ~SideMenu() override;

    void setButtonActive(int i, bool active);
    void setButtonPressed(int i, bool pressed);
    void setButtonSelected(int i, bool selected);
    void setButtonLogo(int i, QPixmap pixmap);
    void setButtonLogo(int i, QString text);
    void clrButtonLogo(int i);
    void clrButtonLogos();

    void setSelectedStyleSheet(QString style);
    void setPressedStyleSheet(QString style);
    void setReleasedStylesheet(QString style);
    void setClearedStylesheet(QString style);

    int side() const { return m_side; }
    int count() const { return buttons.size(); }
    softButton* button(int i) const;

private:
    Ui::SideMenu* ui;
    int m_side;
    QList<softButton*> buttons;
};
