#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

class QProgressBar;

namespace Ui {
class logoprogressbar_twoway;
}

// Indicator of a signed value as two opposed bars (negative fills to the
// left, positive to the right); the crane overview shows the EVS tilt on it.
class logoprogressbar_twoway : public QWidget {
    Q_OBJECT
public:
    explicit logoprogressbar_twoway(QWidget* parent = nullptr);
    ~logoprogressbar_twoway() override;

    void setText(QString text);
    void setColorLimits(int low, int high);
    void setLogo(QPixmap logo);

public slots:
    void setValue(int value);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void setProgressBarValue(QProgressBar* bar, int value, const QString& edgeStyle);
    void scaleLogo();

    Ui::logoprogressbar_twoway* ui;
    int lowLimit = 80;
    int highLimit = 90;
    QPixmap logo;
};
