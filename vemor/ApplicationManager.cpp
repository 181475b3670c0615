#include "ApplicationManager.h"

#include "CanBackendFactory.h"
#include "Configuration.h"
#include "RecordingCanBackend.h"
#include "VemorPlatform.h"
#include "VirtualHandheld.h"

#include <QCoreApplication>

ApplicationManager::ApplicationManager() = default;

ApplicationManager::~ApplicationManager()
{
    delete m_window;
}

void ApplicationManager::create()
{
    if (m_configuration)
        return;
    m_configuration = new Configuration;
    m_configuration->init();
    VemorPlatform* platform = VemorPlatform::instance();
    platform->setConfiguration(m_configuration);
    // A registered provider (the crane simulator, a log replay, a real bus)
    // chooses from the command line; without one the frames are kept for
    // inspection.
    if (!platform->canBackend()) {
        if (CanBackend* backend = CanBackendFactory::create(QCoreApplication::arguments(), platform))
            platform->setCanBackend(backend);
    }
    if (!platform->canBackend())
        platform->setCanBackend(new RecordingCanBackend(platform));
    if (!m_configuration->views.isEmpty() && m_configuration->views.first()) {
        m_window = new VirtualHandheld(m_configuration->views.first());
        m_window->start();
    }
    platform->startPeriodicMessages();
}
