#pragma once

#include <QList>

class View;
class ViewMaster;

// The platform's configuration object. The application defines init(),
// which the platform calls once during ApplicationManager::create().
class Configuration {
public:
    void init();

    void* dspObjects = nullptr;
    ViewMaster* viewMaster = nullptr;
    QList<View*> views;
};
