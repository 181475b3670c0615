#include "CanBackendFactory.h"

namespace {
CanBackendFactory::Function registered = nullptr;
}

void CanBackendFactory::setFactory(Function factory)
{
    registered = factory;
}

CanBackendFactory::Function CanBackendFactory::factory()
{
    return registered;
}

CanBackend* CanBackendFactory::create(const QStringList& arguments, QObject* parent)
{
    return registered ? registered(arguments, parent) : nullptr;
}
