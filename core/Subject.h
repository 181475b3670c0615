#pragma once

#include <QObject>

#include <vector>

class Observer;

// Holder of one piece of application state. Observers attach to it and are
// updated through the event loop after every change, never synchronously.
class Subject : public QObject {
    Q_OBJECT
public:
    explicit Subject(QObject* parent = nullptr);
    ~Subject() override;

    virtual void attach(Observer* o);
    virtual void detach(Observer* o);

    // Posts one queued notifyObservers() call and returns at once.
    void notify();
    int getNumberOfAttachedObservers() const;

public slots:
    void notifyObservers();

protected:
    std::vector<Observer*> observers;
};
