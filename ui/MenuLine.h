#pragma once

#include <QString>
#include <QWidget>

class QLabel;
namespace Ui {
class MenuLine;
}

// One line of the settings menu: a title and the current setting value.
// The value is always shown whole, a clear gap after the title; a title too
// long for the rest of the line (a long language, the larger font of the
// selected line) is drawn in the condensed face, narrower still if needed.
class MenuLine : public QWidget {
    Q_OBJECT
public:
    // Least room between the end of the title and the start of the value.
    static constexpr int CaptionGap = 6;

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
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setUp();
    // Gives the title the narrowest font it needs to fit beside the value.
    void fitTitle();
    // Makes the line tall enough for accents and descenders in the larger
    // font of the selected line, so selecting a line moves no other.
    void fitHeight();

    Ui::MenuLine* ui;
    // The form is built: its labels exist.
    bool built = false;
    int m_id = -1;
};
