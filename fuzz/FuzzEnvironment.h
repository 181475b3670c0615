#pragma once

class QByteArray;
class QString;
class TestSandbox;

// One Qt application and one sandboxed device root per fuzzing process:
// the targets write the device's files below it and nothing else.
namespace FuzzEnvironment {
// Creates the application (offscreen when widgets are wanted) and the
// sandbox with a harmless "sync" on PATH; safe to call more than once.
void init(bool widgets);
TestSandbox& sandbox();
// Writes content to an absolute device path inside the sandbox root.
void writeDeviceFile(const QString& devicePath, const QByteArray& content);
void removeDeviceFile(const QString& devicePath);
}
