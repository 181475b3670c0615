#pragma once

#include "core/Observer.h"

#include <QString>

class FrontStabSubject;

// Adapter of the front stabiliser subject for the crane overview; reports
// availability and load on attach() and on every change.
class FrontStabObserver : public Observer {
public:
    explicit FrontStabObserver(FrontStabSubject* s);
    virtual ~FrontStabObserver();

    void attach() override;
    void detach() override;
    void update() override;
    virtual void frontStabAvailableChanged(bool available);
    virtual void frontStabLoadChanged(bool valid, unsigned int load);

    QString getLoadString() const;

private:
    bool availableCache = false;
    bool validCache = false;
    unsigned int loadCache = 0;
};
