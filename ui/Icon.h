#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

class QLabel;

// One status-bar picture with an optional value text beside it.
class Icon : public QWidget {
    Q_OBJECT
public:
    Icon(QPixmap pixmap, int id, QWidget* parent = nullptr);

    int getId() const { return id; }
    void setValue(float value, int decimals, QString suffix);
    void setValueVisable(bool visible);
    QLabel* imageLabel() const { return image; }
    QLabel* valueLabel() const { return value; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void rescale();

    QPixmap source;
    QLabel* image;
    QLabel* value;
    int id;
};
