#pragma once

class Configuration;
class VirtualHandheld;

// Starts the platform: create() calls Configuration::init() once, then the
// platform drives the master object and the views the hook created.
class ApplicationManager {
public:
    ApplicationManager();
    ~ApplicationManager();
    ApplicationManager(const ApplicationManager&) = delete;
    ApplicationManager& operator=(const ApplicationManager&) = delete;

    void create();

private:
    Configuration* m_configuration = nullptr;
    VirtualHandheld* m_window = nullptr;
};
