#pragma once

#include "core/Subject.h"

// The two info-centre icons the controller asks the status bar to show.
// Fed by the controller-backed implementation.
class InfocenterInfoSubject : public Subject {
public:
    explicit InfocenterInfoSubject(QObject* parent = nullptr)
        : Subject(parent)
    {
    }

    virtual unsigned int getTopDisplayIconId() = 0;
    virtual unsigned int getBotDisplayIconId() = 0;
};
