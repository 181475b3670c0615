#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

class QLabel;
class QTimer;
namespace Ui {
class FullScreenMessage;
}

// A message covering the screen outside the operating states: icon, optional
// title, optional spinner dots and optional description. Built by
// FullscreenMessageFactory and shown by the main widget.
class FullScreenMessage : public QWidget {
    Q_OBJECT
public:
    explicit FullScreenMessage(QWidget* parent = nullptr);
    ~FullScreenMessage() override;

    void setTitle(QString text);
    void setDescription(QString text);
    void setIcon(QPixmap pixmap);
    void setIconOnly(QPixmap pixmap);
    void enableSpinner(bool on);

    void setSplashScreenText(QString title, QString description);
    void setNoSignalText(QString title, QString description);
    void setSyncReqText(QString title, QString description);
    void setRclUpdateText(QString title, QString description);
    void setDisplayUpdateText(QString title, QString description);

    QLabel* iconLabel() const;
    QLabel* titleLabel() const;
    QLabel* spinnerLabel() const;
    QLabel* descriptionLabel() const;
    bool isSpinnerEnabled() const { return spinnerOn; }

public slots:
    void updateSpinner();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Long descriptions (the pairing steps, longer languages) get a smaller
    // font rather than being cut off at the bottom of the screen.
    void fitDescription();

    Ui::FullScreenMessage* ui;
    QTimer* spinnerTimer;
    int spinnerStep = 1;
    bool spinnerOn = false;
    qreal descriptionPointSize = 0;
};
