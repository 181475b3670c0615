#pragma once

#include <QStringList>

class CanBackend;
class QObject;

// Lets a CAN backend that lives outside the stand-in (a simulated crane, a
// replayed log, a real bus) become the default of the desktop program without
// the platform depending on it: the provider registers a factory once, and
// ApplicationManager::create() asks it with the command line. A factory that
// returns null leaves the platform with its frame recorder.
namespace CanBackendFactory {
using Function = CanBackend* (*)(const QStringList& arguments, QObject* parent);

void setFactory(Function factory);
Function factory();
// The registered factory's backend for these arguments, or null.
CanBackend* create(const QStringList& arguments, QObject* parent);
}
