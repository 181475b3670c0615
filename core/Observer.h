#pragma once

class Subject;

// Consumer of a Subject. Concrete adapters turn update() into typed change
// callbacks; each concrete observer detaches in its own destructor.
class Observer {
public:
    explicit Observer(Subject* s)
        : subject(s)
    {
    }

    virtual void attach() = 0;
    virtual void detach() = 0;
    virtual void update() = 0;

    // Not virtual on purpose: each concrete observer detaches in its own destructor.
    ~Observer() = default;

protected:
    Subject* subject;
};
