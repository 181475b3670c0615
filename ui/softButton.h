#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

class QLabel;
namespace Ui {
class softButton;
}

// One 45x45 label beside a soft key. Its frame shows whether the key is
// active, pressed or selected; the owner (a SideMenu) sets the flags.
class softButton : public QWidget {
    Q_OBJECT
public:
    explicit softButton(QWidget* parent = nullptr, QString selectedStyle = QString(),
                        QString pressedStyle = QString(), QString releasedStyle = QString(),
                        QString clearedStyle = QString());
    ~softButton() override;

    void setActive(bool a);
    void setPressed(bool p);
    void setSelected(bool s);
    bool active() const { return m_active; }
    bool pressed() const { return m_pressed; }
    bool selected() const { return m_selected; }

    void setSelectedStyleSheet(QString style);
    void setPressedStyleSheet(QString style);
    void setReleasedStylesheet(QString style);
    void setClearedStylesheet(QString style);

    void setPixmap(QPixmap pixmap);
    void setText(QString text);
    void setStyle(QString style);
    void clearButton();
    void updateButtonStyle();

    QLabel* label() const;

private:
    Ui::softButton* ui;
    QString selectedStyle;
    QString pressedStyle;
    QString releasedStyle;
    QString clearedStyle;
    bool m_active = false;
    bool m_pressed = false;
    bool m_selected = false;
};
