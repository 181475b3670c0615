#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

class QColor;
class QSpacerItem;

namespace Ui {
class logoProgressbar;
}

// One indicator of the crane overview: an icon, a value text and a bar whose
// colour follows two limits. The overview feeds it from its loads, HDL,
// front-stabiliser, weight and oil-temperature observers.
class LogoProgressbar : public QWidget {
    Q_OBJECT
public:
    // Width of the value column of an indicator in the label's font: the
    // widest value text ("-100%", wider than "255%") fits, so every bar of a
    // column of indicators starts in one line.
    static int valueColumnWidth(const QFont& font);

    // Whether high values are bad (1) or good (0).
    // Fixed width, so any stored number is a value of the type; unknown ones keep the colour.
    enum direction_t : int {
        HIGH_IS_GOOD = 0,
        HIGH_IS_BAD = 1,
    };

    explicit LogoProgressbar(QWidget* parent = nullptr);
    ~LogoProgressbar() override;

    void setValue(int value);
    void setText(QString text);
    void setMaxValue(int max);
    void setColorLimits(int low, int high, direction_t direction);
    void setColors(QColor* good, QColor* caution, QColor* alarm);
    void setLogo(QPixmap logo);
    void hideProgressbarOnly();
    void showProgressbarOnly();
    void setEnabled(bool enabled);

    bool isProgressbarHidden() const { return barHidden; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void scaleLogo();

    Ui::logoProgressbar* ui;
    int lowLimit = 80;
    int highLimit = 90;
    direction_t direction = HIGH_IS_BAD;
    QString goodStyle;
    QString cautionStyle;
    QString alarmStyle;
    QPixmap logo;
    bool barHidden = false;
    // Owned; sits in the layout only while the bar is hidden.
    QSpacerItem* spacer;
};
