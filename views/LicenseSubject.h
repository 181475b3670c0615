#pragma once

#include "core/Subject.h"

#include <QString>

#include <atomic>

class QThread;

// The open-source notices shown by the settings view. The text is read once,
// line by line, by a worker thread so start-up is not held up; observers are
// told on the GUI thread once it is complete. Until then getLicense() gives a
// translated "loading" placeholder.
class LicenseSubject : public Subject {
    Q_OBJECT
public:
    LicenseSubject();
    ~LicenseSubject() override;

    // The complete text once loaded, the placeholder before.
    virtual QString getLicense();
    // Whether the worker has finished loading.
    bool isLoaded() const { return loaded.load(std::memory_order_acquire); }

    // The worker's body; runs in the worker thread.
    void run();

private:
    class Worker;

    QString text;
    // Set only after the text is complete: readers that see it set may read
    // the text without a lock because the worker never writes it again.
    std::atomic<bool> loaded {false};
    QThread* worker = nullptr;
};
