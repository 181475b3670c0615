#pragma once

#include <QString>
#include <QWidget>

class QLabel;
namespace Ui {
class MenuLine;
}

// One line of the settings menu: a title and the current setting value.
class MenuLine : public QWidget {
    Q_OBJECT
public:
    explicit MenuLine(QWidget* parent = nullptr);
    MenuLine(QString setting, QWidget* parent);
    ~MenuLine() override;

    void setTitleText(QString text);
    void setSettingText(QString text);
    QString getSettingsText() const;
    QLabel* getTitleLabel() const;
    QLabel* getSettingsLabel() const;
    void setSelected(bool selected);
    void setId(int id) { m_id = id; }
    int getId() const { return m_id; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void setUp();

    Ui::MenuLine* ui;
    int m_id = -1;
};
