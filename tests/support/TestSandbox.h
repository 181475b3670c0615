#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

// A per-test sandbox: a temporary device root for DevicePaths, a stub bin
// folder first on PATH, and QStandardPaths in test mode with XDG folders
// inside the sandbox. Everything is restored and removed on destruction.
class TestSandbox {
public:
    TestSandbox();
    ~TestSandbox();
    TestSandbox(const TestSandbox&) = delete;
    TestSandbox& operator=(const TestSandbox&) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString root() const;   // device root
    QString binDir() const; // stub programs, first on PATH

    // Path of an absolute device path inside the sandbox root.
    QString devicePath(const QString& absolute) const;
    // Writes a file (creating folders); returns its full path.
    QString writeFile(const QString& fullPath, const QByteArray& content) const;
    // Writes an executable shell script named name into binDir.
    QString writeStub(const QString& name, const QByteArray& body) const;
    static QByteArray readFile(const QString& fullPath);
    // The environment a program under test starts with: offscreen, this
    // sandbox as device root and as home (its settings stay in here).
    QProcessEnvironment programEnvironment() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_oldPath;
    QString m_oldRoot;
    QByteArray m_oldXdgConfig;
};
