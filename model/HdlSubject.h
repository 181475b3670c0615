#pragma once

#include "core/Subject.h"

// The crane's HDL level in percent as the controller reports it; 0 while no
// valid level is known.
class HdlSubject : public Subject {
public:
    explicit HdlSubject(QObject* parent = nullptr)
        : Subject(parent)
    {
    }

    virtual unsigned int getHdlLevel() = 0;
    virtual bool isHdlLoadValid() = 0;
};
