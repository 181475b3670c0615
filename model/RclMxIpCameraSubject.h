#pragma once

#include "can/MpdoObserver.h"
#include "model/RclIpCameraSubject.h"

class MpdoSubject;
class QSettings;

// IP-camera feature switch (any value but 0) from the controller's entry 0x5A00,
// read once, from construction until the first value.
// The flag is kept in the settings file so that the screens are laid out
// right at start-up, before the controller has answered.
class RclMxIpCameraSubject : public RclIpCameraSubject, public MpdoObserver {
public:
    static constexpr unsigned int EntryIndex = 0x5A00;

    RclMxIpCameraSubject(MpdoSubject* mpdo, QSettings* settings);

    void newValue(unsigned int index, unsigned char subIndex, unsigned int value) override;

private:
    QSettings* settings;
    bool received = false;
};
