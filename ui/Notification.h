#pragma once

#include <QWidget>

// Base of the overlay notifications drawn over the operating screen; gives
// them the short fade-out that ends with the notification hidden.
class Notification : public QWidget {
    Q_OBJECT
public:
    explicit Notification(QWidget* parent = nullptr);
    ~Notification() override;

    static constexpr unsigned int FadeMs = 200;

public slots:
    void fadeout();

protected:
    void fadein();
};
